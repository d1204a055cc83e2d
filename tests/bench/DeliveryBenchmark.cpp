// The delivery form on a firm of some size: saving a 200-line delivery whose
// 50 materials are used by recipes, and its 45-line receipt to PDF.
#include "base/Clock.h"
#include "bench/BenchSession.h"
#include "print/DeliveryReceiptJob.h"
#include "stockops/DeliveryFakes.h"
#include "stockops/DeliveryForm.h"
#include "support/TestFirm.h"

#include <benchmark/benchmark.h>

namespace {

struct DeliverySession : BenchSession {
    DeliverySession() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        AddFirmData(db, FirmRow::Short);
        db.Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"
                "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name, "
                "partner_mol, partner_vat_registered) VALUES(1, 0, 1, 'Доставчик', 'Иван', 1);");
        for (int i = 0; i < 400; ++i)
            AddStocks(db, {StockRow(QString("G%1").arg(i), QString("Стока %1").arg(i))
                               .Quantity(100)
                               .Cost(1)
                               .Prices(2, 2)
                               .Last(1)
                               .Material(i < 50)});
        for (int i = 0; i < 50; ++i) {
            AddStocks(db, {StockRow(QString("P%1").arg(i), QString("Изделие %1").arg(i))
                               .Cost(5)
                               .Prices(20, 18)
                               .Work(1)
                               .Recipe()});
            db.ExecPrintf("INSERT INTO stocks_cmp VALUES(?, ?, 1.5, 0);", QString("P%1").arg(i),
                          QString("G%1").arg(i));
        }
        db.Exec("COMMIT;");
    }
    // A delivery of `count` items at a price that moves their cost.
    void Fill(DeliveryForm& form, int count) {
        ScriptedPartners partners;
        ScriptedItems items;
        ScriptedDeliveryLines lines;
        form.Start();
        partners.ids.push_back(1);
        form.ChooseSupplier(partners);
        form.SetReceivedBy("Мария");
        for (int i = 0; i < count; ++i) {
            items.codes.push_back(QString("G%1").arg(i));
            lines.replies.push_back({3, 1.5, false});
            form.AddLine(items, lines);
        }
    }
    SystemClock clock;
};

void BM_SaveDelivery200Lines(benchmark::State& state) {
    DeliverySession session;
    RecordingDeliveryPrinter printer;
    for (auto _ : state) {
        state.PauseTiming();
        DeliveryForm form(session.Db(), session.prompter, session.settings, session.clock);
        session.Fill(form, 200);
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.Save(printer));
    }
}
BENCHMARK(BM_SaveDelivery200Lines)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_PrintReceipt45LinesToPdf(benchmark::State& state) {
    DeliverySession session;
    DeliveryForm form(session.Db(), session.prompter, session.settings, session.clock);
    session.Fill(form, 45);
    const QString path = session.dir.filePath("receipt.pdf");
    for (auto _ : state) {
        DeliveryReceiptJob job(form.Printout(), {});
        benchmark::DoNotOptimize(WriteJobToPdf(job, path));
    }
}
BENCHMARK(BM_PrintReceipt45LinesToPdf)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
