// The month reports on the generated ten-year firm at scale 1, year 2025.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "genfirm/GeneratedFirm.h"
#include "reports/MonthGridReport.h"
#include "reports/ProfitReports.h"
#include "reports/TurnoverByCustomer.h"

#include <benchmark/benchmark.h>

namespace {

template <typename ReportType> void loadYear(benchmark::State& state) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    ReportType report(session.Db(), session.prompter, clock, session.settings);
    report.SetYear(2025);
    for (auto _ : state)
        benchmark::DoNotOptimize(report.Reload());
}

void BM_TurnoverByMonthsAndCustomers2025(benchmark::State& state) {
    loadYear<TurnoverByMonthsAndCustomers>(state);
}
BENCHMARK(BM_TurnoverByMonthsAndCustomers2025)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TurnoverByMonthsAndItems2025(benchmark::State& state) {
    loadYear<TurnoverByMonthsAndItems>(state);
}
BENCHMARK(BM_TurnoverByMonthsAndItems2025)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ProfitByCustomers2025(benchmark::State& state) {
    loadYear<ProfitByCustomers>(state);
}
BENCHMARK(BM_ProfitByCustomers2025)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ProfitByItems2025(benchmark::State& state) {
    loadYear<ProfitByItems>(state);
}
BENCHMARK(BM_ProfitByItems2025)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TurnoverByCustomer2025(benchmark::State& state) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    TurnoverByCustomer report(session.Db(), session.prompter, clock);
    report.SetPeriod(QDate(2025, 1, 1), QDate(2025, 12, 31));
    for (auto _ : state)
        benchmark::DoNotOptimize(report.Reload());
}
BENCHMARK(BM_TurnoverByCustomer2025)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
