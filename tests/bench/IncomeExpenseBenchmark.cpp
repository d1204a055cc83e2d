// The income and expense diagram's year on the generated ten-year firm at
// scale 1, year 2025.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "genfirm/GeneratedFirm.h"
#include "reports/IncomeExpenseYear.h"

#include <benchmark/benchmark.h>

namespace {

void BM_IncomeExpenseYear2025(benchmark::State& state) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    IncomeExpenseYear year;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadIncomeExpenseYear(session.Db(), clock, 2025, year));
}
BENCHMARK(BM_IncomeExpenseYear2025)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
