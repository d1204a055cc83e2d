// Production on a firm of some size: a document of 50 products of 4
// components each, saved.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "stockops/ProductionForm.h"
#include "support/ScriptedItems.h"
#include "support/ScriptedNumbers.h"

#include <benchmark/benchmark.h>

namespace {

struct ProductionSession : BenchSession {
    ProductionSession() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        for (int i = 0; i < 400; ++i)
            db.ExecPrintf(
                "INSERT INTO stocks VALUES('M%d', 'Материал %d', 0, 'кг', 1000000, 0, 1, 0, 0, 0, 1, 1, 0, "
                "0, 0, 0);",
                i, i);
        for (int i = 0; i < 50; ++i) {
            db.ExecPrintf(
                "INSERT INTO stocks VALUES('P%d', 'Изделие %d', 0, 'бр.', 0, 0, 5, 20, 18, 1, 0, 0, 1, 0, "
                "0, 1);",
                i, i);
            for (int k = 0; k < 4; ++k)
                db.ExecPrintf("INSERT INTO stocks_cmp VALUES('P%d', 'M%d', 1.5, 5);", i, i * 4 + k);
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
