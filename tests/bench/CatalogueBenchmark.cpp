// 10,000 items in 200 groups: the catalogue's "всички артикули" tab with the
// cost column on (every recipe clean, and every recipe dirty), and the picker.
#include "bench/BenchSession.h"
#include "masterdata/Catalogue.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "support/FakeFormHost.h"
#include "support/TestFirm.h"

#include <benchmark/benchmark.h>

namespace {

struct CatalogueSession : BenchSession {
    CatalogueSession() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        for (int g = 1; g <= 200; ++g)
            db.ExecPrintf("INSERT INTO groups VALUES(?, ?, 0);", g, QString("Група %1").arg(g));
        // Every tenth item is a product made of two goods.
        for (int i = 0; i < 10000; ++i) {
            const int recipe = i % 10 == 0 ? 1 : 0;
            AddStocks(db, {StockRow(QString("C%1").arg(i), QString("Артикул %1").arg(i))
                               .Group(i % 200 + 1)
                               .Quantity(i % 50)
                               .Cost(1.5)
                               .Prices(2, 3)
                               .Work(0.5)
                               .Last(1)
                               .Recipe(recipe)});
            if (recipe) {
                db.ExecPrintf("INSERT INTO stocks_cmp VALUES(?, ?, 2, 5);", QString("C%1").arg(i),
                              QString("C%1").arg(i + 1));
                db.ExecPrintf("INSERT INTO stocks_cmp VALUES(?, ?, 1, 0);", QString("C%1").arg(i),
                              QString("C%1").arg(i + 2));
            }
        }
        db.Exec("COMMIT;");
        settings.SetShowItemCostPrice(1);
    }
};

void BM_CatalogueCleanRecipes(benchmark::State& state) {
    CatalogueSession session;
    Catalogue catalogue(session.doc->Db(), session.prompter, session.settings);
    catalogue.SetView(ItemViews::kAll);
    for (auto _ : state) {
        catalogue.Reload();
        QStringList cells;
        for (const CatalogueRow& row : catalogue.Rows())
            cells = catalogue.Cells(row);
        benchmark::DoNotOptimize(cells);
    }
}
BENCHMARK(BM_CatalogueCleanRecipes)->Unit(benchmark::kMillisecond);

void BM_CatalogueDirtyRecipes(benchmark::State& state) {
    CatalogueSession session;
    Catalogue catalogue(session.doc->Db(), session.prompter, session.settings);
    catalogue.SetView(ItemViews::kAll);
    for (auto _ : state) {
        state.PauseTiming();
        session.doc->Db().Exec("UPDATE stocks SET is_dirty = 1 WHERE is_recipe = 1;");
        state.ResumeTiming();
        catalogue.Reload();
    }
}
BENCHMARK(BM_CatalogueDirtyRecipes)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenItemPicker(benchmark::State& state) {
    CatalogueSession session;
    FakeFormHost host(session.prompter, session.settings);
    for (auto _ : state) {
        CItemPickerDlg picker(*session.doc, host, ItemKinds::All(), ItemViews::kAll);
        benchmark::DoNotOptimize(picker.ChosenCode());
    }
}
BENCHMARK(BM_OpenItemPicker)->Unit(benchmark::kMillisecond);

} // namespace
