// Filling a list model with 20,000 rows and sorting it by each kind of column.
#include "lists/ui/SortListModel.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<QStringList> rows() {
    std::vector<QStringList> out;
    for (int i = 0; i < 20000; ++i)
        out.push_back({QString::number((i * 7919) % 20000), QString("Артикул %1").arg((i * 31) % 20000),
                       QString::asprintf("%.2d.%.2d.20%.2d", i % 28 + 1, i % 12 + 1, i % 30),
                       QString::number((i * 13) % 1000 / 7.0, 'f', 2)});
    return out;
}

void BM_FillAndSort20000(benchmark::State& state) {
    const std::vector<QStringList> data = rows();
    for (auto _ : state) {
        SortListModel model;
        model.AddColumn({"код", Qt::AlignLeft, SortType::Integer});
        model.AddColumn({"име", Qt::AlignLeft, SortType::Text});
        model.AddColumn({"дата", Qt::AlignLeft, SortType::Date});
        model.AddColumn({"цена", Qt::AlignRight, SortType::Decimal});
        model.SetRows(data);
        for (int column = 0; column < 4; ++column)
            model.Sort(column, true);
        benchmark::DoNotOptimize(model.Row(0));
    }
}
BENCHMARK(BM_FillAndSort20000)->Unit(benchmark::kMillisecond);

} // namespace
