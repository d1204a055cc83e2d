// The sale form on a firm of some size: saving a 200-line goods note with 50
// products of 4 components each, adding a line to 200, and the document
// browser over 50,000 goods notes (kind 1) and 500,000 goods-note lines (kind 2).
#include "bench/BenchSession.h"
#include "print/SaleDocumentJob.h"
#include "sales/SaleFakes.h"
#include "sales/SellForm.h"
#include "support/FakeFormHost.h"
#include "support/TestFirm.h"
#include "trade/DocumentBrowser.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <benchmark/benchmark.h>

namespace {

struct SaleSession : BenchSession {
    SaleSession() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        AddFirmData(db, FirmRow::Short);
        db.Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"
                "INSERT INTO partners (partner_id, partner_is_customer, partner_name) VALUES(1, 1, 'Алфа');");
        for (int i = 0; i < 400; ++i)
            AddStocks(db, {StockRow(QString("G%1").arg(i), QString("Стока %1").arg(i))
                               .Quantity(1000000)
                               .Cost(1)
                               .Prices(2, 2)
                               .Last(1)});
        for (int i = 0; i < 50; ++i) {
            AddStocks(db, {StockRow(QString("P%1").arg(i), QString("Изделие %1").arg(i))
                               .Cost(5)
                               .Prices(20, 18)
                               .Work(1)
                               .Recipe()
                               .Dirty()});
            for (int k = 0; k < 4; ++k)
                db.ExecPrintf("INSERT INTO stocks_cmp VALUES(?, ?, 1.5, 5);", QString("P%1").arg(i),
                              QString("G%1").arg(200 + i * 4 + k));
        }
        db.Exec("COMMIT;");
    }
    // A goods note of 150 goods and 50 products (or the first `count` of
    // them), ready to save.
    void Fill(SellForm& form, int count = 200) {
        ScriptedDocuments documents;
        ScriptedPartners partners;
        ScriptedItems items;
        ScriptedLines lines;
        ScriptedDetails details;
        form.NewOperation(SaleOp::GoodsNote, documents);
        partners.ids.push_back(1);
        form.ChooseCustomer(partners);
        details.edits.push_back([](SaleDetails& d) {
            d.givenBy = d.receivedBy = d.compiledBy = "Иван";
            d.place = d.object = "Русе";
        });
        form.EditDetails(details);
        for (int i = 0; i < count; ++i) {
            items.codes.push_back(i < 150 ? QString("G%1").arg(i) : QString("P%1").arg(i - 150));
            lines.replies.push_back({2, -1, 0});
            form.AddLine(items, lines);
        }
    }
    SystemClock clock;
};

void BM_SaveGoodsNote200Lines(benchmark::State& state) {
    SaleSession session;
    ScriptedDetails details;
    RecordingSalePrinter printer;
    for (auto _ : state) {
        state.PauseTiming();
        SellForm form(session.Db(), session.prompter, session.settings, session.clock);
        session.Fill(form);
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.Save(details, printer));
    }
}
BENCHMARK(BM_SaveGoodsNote200Lines)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_AddLineTo200(benchmark::State& state) {
    SaleSession session;
    SellForm form(session.Db(), session.prompter, session.settings, session.clock);
    session.Fill(form);
    ScriptedItems items;
    ScriptedLines lines;
    for (auto _ : state) {
        items.codes.push_back("P3");
        lines.replies.push_back({1, -1, 0});
        benchmark::DoNotOptimize(form.AddLine(items, lines));
        benchmark::DoNotOptimize(form.Totals().total);
    }
}
BENCHMARK(BM_AddLineTo200)->Unit(benchmark::kMillisecond);

// A 45-line invoice from the form to a PDF file: its two pages laid out,
// drawn and written.
void BM_PrintInvoice45LinesToPdf(benchmark::State& state) {
    SaleSession session;
    SellForm form(session.Db(), session.prompter, session.settings, session.clock);
    session.Fill(form, 45);
    const QString path = session.dir.filePath("invoice.pdf");
    for (auto _ : state) {
        SaleDocumentJob job(form.Printout(), SalePrintOptions{});
        benchmark::DoNotOptimize(WriteJobToPdf(job, path));
    }
}
BENCHMARK(BM_PrintInvoice45LinesToPdf)->Unit(benchmark::kMillisecond)->Iterations(10);

struct StoredSession : BenchSession {
    StoredSession() {
        Database& db = doc->Db();
        db.Exec("BEGIN;");
        for (int i = 1; i <= 50000; ++i) {
            db.ExecPrintf("INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, total_sum) VALUES(?, "
                          "?, ?, ?);",
                          i, QDate(2026, i % 12 + 1, i % 28 + 1).toString(Qt::ISODate), i % 500,
                          i % 1000 + 0.5);
            db.ExecPrintf("INSERT INTO stokovi_partners (doc_id, partner_name) VALUES(?, ?);", i,
                          QString("Клиент %1").arg(i % 500));
            for (int k = 0; k < 10; ++k)
                db.ExecPrintf(
                    "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, item_code, invoiced) VALUES(?, "
                    "?, ?, ?, ?);",
                    i, QDate(2026, i % 12 + 1, i % 28 + 1).toString(Qt::ISODate), k, QString("G%1").arg(k),
                    i % 3 == 0 ? 0 : 1);
        }
        db.Exec("COMMIT;");
    }
};

void BM_BrowseGoodsNotes50000(benchmark::State& state) {
    StoredSession session;
    FakeFormHost host(session.prompter, session.settings);
    for (auto _ : state) {
        CDocumentBrowserDlg dialog(*session.doc, host, DocumentKind::GoodsNotes, 0);
        benchmark::DoNotOptimize(dialog.Behaviour().Rows().size());
    }
}
BENCHMARK(BM_BrowseGoodsNotes50000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_BrowseNotInvoiced500000Lines(benchmark::State& state) {
    StoredSession session;
    DocumentBrowser browser(session.Db(), DocumentKind::GoodsNotesNotInvoiced, 0);
    for (auto _ : state) {
        browser.Reload();
        benchmark::DoNotOptimize(browser.Rows().size());
    }
}
BENCHMARK(BM_BrowseNotInvoiced500000Lines)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
