// The delivery, production and materials reports on the generated ten-year
// firm at scale 1, year 2025, detailed and summed.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "genfirm/GeneratedFirm.h"
#include "reports/DeliveriesReport.h"
#include "reports/MaterialsReport.h"
#include "reports/ProductionReport.h"

#include <benchmark/benchmark.h>

namespace {

template <typename ReportType> void loadYear(benchmark::State& state) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    ReportType report(session.Db(), session.prompter, clock);
    PeriodReport::Conditions c = report.Chosen();
    c.from = QDate(2025, 1, 1);
    c.to = QDate(2025, 12, 31);
    c.summary = state.range(0) != 0;
    report.SetConditions(c);
    for (auto _ : state)
        benchmark::DoNotOptimize(report.Reload());
    state.counters["rows"] = static_cast<double>(report.Rows().size());
}

BENCHMARK_TEMPLATE(loadYear, DeliveriesReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_TEMPLATE(loadYear, ProductionReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_TEMPLATE(loadYear, MaterialsReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
