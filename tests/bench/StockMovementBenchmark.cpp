// The stock movement report on the generated ten-year firm at scale 1: year
// 2025 and all ten years, with and without a stocktaking.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "genfirm/GeneratedFirm.h"
#include "reports/StockMovementReport.h"

#include <benchmark/benchmark.h>

namespace {

void loadMovement(benchmark::State& state, const QDate& from, bool counted) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    StockMovementReport report(session.Db(), session.prompter, clock, session.settings);
    StockMovementReport::Conditions c = report.Chosen();
    c.from = from;
    c.to = QDate(2025, 12, 31);
    c.stocktaking = counted ? session.Db().QueryInt(0, "SELECT MAX(doc_id) FROM revisions;") : 0;
    report.SetConditions(c);
    for (auto _ : state)
        benchmark::DoNotOptimize(report.Reload());
    state.counters["rows"] = static_cast<double>(report.Rows().size());
}

void BM_StockMovement2025(benchmark::State& state) {
    loadMovement(state, QDate(2025, 1, 1), false);
}
BENCHMARK(BM_StockMovement2025)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StockMovement2025Counted(benchmark::State& state) {
    loadMovement(state, QDate(2025, 1, 1), true);
}
BENCHMARK(BM_StockMovement2025Counted)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StockMovementTenYears(benchmark::State& state) {
    loadMovement(state, QDate(2016, 1, 1), false);
}
BENCHMARK(BM_StockMovementTenYears)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StockMovementTenYearsCounted(benchmark::State& state) {
    loadMovement(state, QDate(2016, 1, 1), true);
}
BENCHMARK(BM_StockMovementTenYearsCounted)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
