// 5,000 partners: loading the partners list, and opening the selection dialog.
#include "bench/BenchSession.h"
#include "masterdata/PartnersForm.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "support/FakeFormHost.h"

#include <benchmark/benchmark.h>

namespace {

struct Session : BenchSession {
    Session() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        for (int i = 1; i <= 5000; ++i)
            db.ExecPrintf(
                "INSERT INTO partners (partner_id, partner_is_customer, partner_name, partner_city, "
                "partner_address, partner_mol, partner_tax_id) VALUES(?, ?, ?, "
                "?, ?, ?, ?);",
                i, i % 2, QString("Фирма %1 ООД").arg(i), QString("Град %1").arg(i % 100),
                QString("ул. Първа %1").arg(i), QString("Управител %1").arg(i), 100000000 + i);
        db.Exec("COMMIT;");
    }
};

void BM_LoadPartners5000(benchmark::State& state) {
    Session session;
    PartnersForm form(session.doc->Db(), session.prompter);
    for (auto _ : state) {
        form.Reload();
        benchmark::DoNotOptimize(form.Rows().size());
    }
}
BENCHMARK(BM_LoadPartners5000)->Unit(benchmark::kMillisecond);

void BM_OpenPartnerSelection5000(benchmark::State& state) {
    Session session;
    FakeFormHost host(session.prompter, session.settings);
    for (auto _ : state) {
        CPartnerSelectionDlg dialog(*session.doc, host, PartnerTab::All, 2500);
        benchmark::DoNotOptimize(dialog.ChosenId());
    }
}
BENCHMARK(BM_OpenPartnerSelection5000)->Unit(benchmark::kMillisecond);

} // namespace
