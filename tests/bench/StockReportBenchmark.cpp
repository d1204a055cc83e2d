// The stock report on the generated ten-year firm at scale 1: the firm's
// generation, the report with every recipe clean, and its first load with
// every recipe dirty.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "genfirm/GeneratedFirm.h"
#include "reports/StockQuantitiesReport.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GenerateFirmScale1(benchmark::State& state) {
    for (auto _ : state) {
        BenchSession session;
        benchmark::DoNotOptimize(GenerateFirm(*session.doc->GetDatabase(), 1.0));
    }
}
BENCHMARK(BM_GenerateFirmScale1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_StockReportScale1(benchmark::State& state) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    StockQuantitiesReport report(session.Db(), session.prompter, clock, session.settings);
    report.Reload(); // the dirty recipes costed once
    for (auto _ : state)
        benchmark::DoNotOptimize(report.Reload());
}
BENCHMARK(BM_StockReportScale1)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StockReportScale1AllDirty(benchmark::State& state) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    StockQuantitiesReport report(session.Db(), session.prompter, clock, session.settings);
    for (auto _ : state) {
        state.PauseTiming();
        session.Db().Exec("UPDATE stocks SET is_dirty = 1 WHERE is_recipe = 1;");
        state.ResumeTiming();
        benchmark::DoNotOptimize(report.Reload());
    }
}
BENCHMARK(BM_StockReportScale1AllDirty)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
