// Production on a firm of some size: a document of 50 products of 4
// components each, saved.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "stockops/ProductionForm.h"
#include "support/ScriptedItems.h"
#include "support/ScriptedNumbers.h"
#include "support/TestFirm.h"

#include <benchmark/benchmark.h>

namespace {

struct ProductionSession : BenchSession {
    ProductionSession() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        for (int i = 0; i < 400; ++i)
            AddStocks(db, {StockRow(QString("M%1").arg(i), QString("Материал %1").arg(i))
                               .Group(0)
                               .Unit("кг")
                               .Quantity(1000000)
                               .Cost(1)
                               .Last(1)
                               .Material()});
        for (int i = 0; i < 50; ++i) {
            AddStocks(db, {StockRow(QString("P%1").arg(i), QString("Изделие %1").arg(i))
                               .Group(0)
                               .Cost(5)
                               .Prices(20, 18)
                               .Work(1)
                               .Recipe()
                               .Dirty()});
            for (int k = 0; k < 4; ++k)
                db.ExecPrintf("INSERT INTO stocks_cmp VALUES(?, ?, 1.5, 5);", QString("P%1").arg(i),
                              QString("M%1").arg(i * 4 + k));
        }
        db.Exec("COMMIT;");
    }
    void Fill(ProductionForm& form) {
        ScriptedItems items;
        ScriptedNumbers numbers;
        form.Start();
        form.SetOperator("Иван");
        for (int i = 0; i < 50; ++i) {
            items.codes.push_back(QString("P%1").arg(i));
            numbers.answers.push_back(2);
            form.AddProduct(items, numbers);
        }
    }
    SystemClock clock;
};

void BM_SaveProduction50Products(benchmark::State& state) {
    ProductionSession session;
    for (auto _ : state) {
        state.PauseTiming();
        ProductionForm form(session.Db(), session.prompter, session.clock);
        session.Fill(form);
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.Save());
    }
}
BENCHMARK(BM_SaveProduction50Products)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
