// The cost roll-up of a product whose recipe tree has five levels and 200
// distinct components, every recipe dirty (a cold read).
#include "base/ConsolePrompter.h"
#include "base/Sleeper.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "db/DatabaseCreator.h"
#include "masterdata/CostPrices.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Level 4 holds 120 materials; each level above has recipes made of a few
// items of the level below, down to the one product at the top.
void buildTree(Database& db) {
    db.Exec("BEGIN;");
    const int perLevel[] = {1, 4, 15, 60, 120};
    for (int level = 0; level < 5; ++level)
        for (int i = 0; i < perLevel[level]; ++i)
            db.ExecPrintf("INSERT INTO stocks (code, cost_price, work_costs, is_recipe, is_dirty) "
                          "VALUES(?, ?, ?, ?, ?);",
                          QString("L%1-%2").arg(level).arg(i), level == 4 ? 1.0 + i * 0.01 : 0.0, 0.5,
                          level < 4 ? 1 : 0, level < 4 ? 1 : 0);
    for (int level = 0; level < 4; ++level)
        for (int i = 0; i < perLevel[level]; ++i)
            for (int k = 0; k < perLevel[level + 1] / perLevel[level] + 1; ++k)
                db.ExecPrintf(
                    "INSERT INTO stocks_cmp VALUES(?, ?, ?, ?);", QString("L%1-%2").arg(level).arg(i),
                    QString("L%1-%2").arg(level + 1).arg((i * 3 + k) % perLevel[level + 1]), 1.5, 5.0);
    db.Exec("COMMIT;");
}

void BM_ColdRollUp(benchmark::State& state) {
    QTemporaryDir dir;
    Connection connection;
    ThreadSleeper sleeper;
    ConsolePrompter prompter;
    CreateDatabase(dir.filePath("tarvo.db"), connection, sleeper, prompter);
    FixedConnectionSource source(connection);
    Database db(source, sleeper, prompter);
    buildTree(db);
    for (auto _ : state) {
        state.PauseTiming();
        db.Exec("UPDATE stocks SET is_dirty = 1 WHERE is_recipe = 1;");
        state.ResumeTiming();
        benchmark::DoNotOptimize(GetItemCostPrice(db, "L0-0"));
    }
}
BENCHMARK(BM_ColdRollUp)->Unit(benchmark::kMillisecond);

} // namespace
