// The sales report on the generated ten-year firm at scale 1, year 2025:
// goods notes and invoices, detailed and merged.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "genfirm/GeneratedFirm.h"
#include "reports/SalesReport.h"

#include <benchmark/benchmark.h>

namespace {

void salesYear(benchmark::State& state, bool invoices, bool merged) {
    BenchSession session;
    GenerateFirm(*session.doc->GetDatabase(), 1.0);
    SystemClock clock;
    SalesReport report(session.Db(), session.prompter, clock);
    report.Conditions().from = QDate(2025, 1, 1);
    report.Conditions().to = QDate(2025, 12, 31);
    report.Conditions().invoices = invoices;
    report.Conditions().merged = merged;
    for (auto _ : state)
        benchmark::DoNotOptimize(report.Reload());
    state.counters["rows"] = static_cast<double>(report.Rows().size());
}

void BM_SalesGoodsNotesDetailed2025(benchmark::State& state) {
    salesYear(state, false, false);
}
BENCHMARK(BM_SalesGoodsNotesDetailed2025)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SalesGoodsNotesMerged2025(benchmark::State& state) {
    salesYear(state, false, true);
}
BENCHMARK(BM_SalesGoodsNotesMerged2025)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SalesInvoicesDetailed2025(benchmark::State& state) {
    salesYear(state, true, false);
}
BENCHMARK(BM_SalesInvoicesDetailed2025)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SalesInvoicesMerged2025(benchmark::State& state) {
    salesYear(state, true, true);
}
BENCHMARK(BM_SalesInvoicesMerged2025)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
