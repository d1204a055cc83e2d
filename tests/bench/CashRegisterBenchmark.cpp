// 10,000 operations of the cash register with 30,000 payments over a year:
// the list of the whole year read through the form, and the form's widget
// showing it.
#include "bench/BenchSession.h"
#include "documents/CashRegisterForm.h"
#include "documents/ui/CCashRegisterDlg.h"
#include "support/FakeFormHost.h"

#include <benchmark/benchmark.h>

namespace {

struct Session : BenchSession {
    Session() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        for (int i = 1; i <= 200; ++i)
            db.ExecPrintf("INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, "
                          "partner_name) VALUES(?, 1, 1, ?);",
                          i, QString("Фирма %1 ООД").arg(i));
        const QDate first(2026, 1, 1);
        for (int i = 1; i <= 10000; ++i) {
            const QString date = first.addDays(i % 365).toString("yyyy-MM-dd");
            db.ExecPrintf("INSERT INTO cash_register VALUES(?, ?, ?, ?, ?, "
                          "?, ?, ?, 0, ?);",
                          i, i % 2, QString("основание %1").arg(i), date, date, QString("Операция %1").arg(i),
                          1 + i % 200, SqlDecimal{100.0 + i % 900, 2}, i % 3 == 0 ? 1 : 0);
            for (int k = 0; k < 3; ++k)
                db.ExecPrintf("INSERT INTO cash_register_cmp VALUES(?, NULL, ?, ?);", i, date,
                              SqlDecimal{10.0 + k, 2});
        }
        db.Exec("COMMIT;");
    }
    CashFilter Year() const {
        CashFilter filter;
        filter.from = QDate(2026, 1, 1);
        filter.to = QDate(2026, 12, 31);
        return filter;
    }
};

void BM_CashRegisterLoad10000(benchmark::State& state) {
    Session session;
    FakeFormHost host(session.prompter, session.settings);
    CashRegisterForm form(session.Db(), session.prompter, session.settings, host.clock);
    for (auto _ : state) {
        form.ApplyFilter(session.Year());
        benchmark::DoNotOptimize(form.SummaryRows());
    }
    state.counters["rows"] = static_cast<double>(form.Rows().size());
}
BENCHMARK(BM_CashRegisterLoad10000)->Unit(benchmark::kMillisecond);

void BM_CashRegisterShow10000(benchmark::State& state) {
    Session session;
    FakeFormHost host(session.prompter, session.settings);
    CCashRegisterDlg dialog(*session.doc, host);
    for (auto _ : state)
        dialog.ApplyFilter(session.Year());
}
BENCHMARK(BM_CashRegisterShow10000)->Unit(benchmark::kMillisecond);

} // namespace
