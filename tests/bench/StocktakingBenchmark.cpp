// Stocktaking on a catalogue of 5,000 items in 50 groups: a new count built
// and saved with the counts made the stock.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "stockops/StocktakingForm.h"
#include "support/TestFirm.h"
#include "support/YesPrompter.h"

#include <benchmark/benchmark.h>

namespace {

struct StocktakingSession : BenchSession {
    StocktakingSession() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        for (int g = 1; g <= 50; ++g)
            db.ExecPrintf("INSERT INTO groups VALUES(?, ?, 0);", g, QString("Група %1").arg(g));
        for (int i = 0; i < 5000; ++i)
            AddStocks(db, {StockRow(QString("G%1").arg(i), QString("Стока %1").arg(i))
                               .Group(1 + i % 50)
                               .Quantity(100)
                               .Cost(1.5)
                               .Prices(2, 2)
                               .Last(1)});
        db.Exec("COMMIT;");
    }
    SystemClock clock;
};

void BM_NewCount5000Items(benchmark::State& state) {
    StocktakingSession session;
    for (auto _ : state) {
        StocktakingForm form(session.Db(), session.prompter, session.clock);
        benchmark::DoNotOptimize(form.NewDocument({}));
    }
}
BENCHMARK(BM_NewCount5000Items)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_NewCount5000ItemsSaved(benchmark::State& state) {
    StocktakingSession session;
    YesPrompter yes(false); // the counts become the stock (the same numbers each round)
    for (auto _ : state) {
        StocktakingForm form(session.Db(), yes, session.clock);
        form.NewDocument({});
        benchmark::DoNotOptimize(form.Save());
    }
}
BENCHMARK(BM_NewCount5000ItemsSaved)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
