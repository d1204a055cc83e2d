// The sale form's print commands and what it hands to the printer.
#include "print/HostSalePrinter.h"
#include "sales/SaleTestBase.h"
#include "support/FakeFormHost.h"

namespace {

using SalePrintingTest = SaleTest;

TEST_F(SalePrintingTest, PrintingChecksFirstAndTheOriginalWaitsForTheSave) {
    Begin(SaleOp::InvoiceWithNote);
    EXPECT_TRUE(form->Original()); // the form starts with the original

    // The save's checks come first.
    EXPECT_FALSE(form->Print(false, details, printer));
    EXPECT_EQ(prompter.Texts().last(), "Не са въведени артикули по тази операция.");
    Add("G1", 2);

    // An original bears the number it is stored under: not before the save.
    EXPECT_FALSE(form->Print(true, details, printer));
    EXPECT_TRUE(
        prompter.Texts().last().startsWith("Оригиналът на документа се отпечатва след неговия запис."));
    EXPECT_TRUE(printer.previewed.empty());

    ASSERT_TRUE(form->Print(false, details, printer));
    ASSERT_EQ(printer.previewed.size(), 1u);
    EXPECT_FALSE(printer.previewed[0].original);
    EXPECT_FALSE(form->Original());

    // Yes after the save prints at once with the flag as it stands.
    prompter.AnswerAlways(kPrintQuestion, Answer::Yes);
    form->SetOriginal(true); // as the save/print button does
    ASSERT_TRUE(Save());
    ASSERT_EQ(printer.printed.size(), 1u);
    const SalePrintout& paper = printer.printed[0];
    EXPECT_TRUE(paper.original);
    EXPECT_EQ(paper.op, SaleOp::InvoiceWithNote);
    EXPECT_EQ(paper.numberText, "0000000001");
    EXPECT_EQ(paper.customer.name, "Д'Артанян ООД");
    EXPECT_EQ(paper.customer.bulstat, "BG123");
    EXPECT_EQ(paper.header.receivedBy, "Приел");
    EXPECT_EQ(paper.lines.size(), 1u);
    // The totals and words on paper are the stored ones.
    EXPECT_EQ(paper.total, Scalar("SELECT printf('%.2f', total_sum) FROM invoices_main;"));
    EXPECT_EQ(paper.vat, Scalar("SELECT printf('%.2f', vat_sum) FROM invoices_main;"));
    EXPECT_EQ(paper.words, Scalar("SELECT slovom FROM invoices_main;"));

    // Once saved, the original prints.
    ASSERT_TRUE(form->Print(true, details, printer));
    EXPECT_TRUE(printer.previewed.back().original);
}

TEST_F(SalePrintingTest, ALoadedCreditNotePrintsPositiveAmountsAndItsBankAccount) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO banks (id, name, code, acc) VALUES(3, 'Банка ДСК', 'STSABGSF', 'BG80STSA');"));
    Begin(SaleOp::InvoiceWithNote);
    Add("G1", 4);
    ASSERT_TRUE(Save());
    documents.choices.push_back({1, QString(), QDate(2026, 12, 8), QString(), {}});
    ASSERT_TRUE(form->NewOperation(SaleOp::CreditNote, documents));
    partners.ids.push_back(1);
    ASSERT_TRUE(form->ChooseCustomer(partners));
    details.edits.push_back([](SaleDetails& d) {
        d.givenBy = d.receivedBy = d.compiledBy = "Иван";
        d.place = d.object = "Русе";
        d.payBy = 1;
        d.bankId = 3;
    });
    ASSERT_TRUE(form->EditDetails(details));
    Add("G1", 1);
    ASSERT_TRUE(Save());
    ASSERT_EQ(Scalar("SELECT total_sum < 0 FROM invoices_main WHERE doc_type = 2;"), "1");

    documents.choices.push_back({2, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(form->Load(DocumentKind::CreditNotes, documents));
    ASSERT_TRUE(form->Print(true, details, printer));
    const SalePrintout& paper = printer.previewed.back();
    EXPECT_EQ(paper.op, SaleOp::CreditNote);
    EXPECT_EQ(paper.header.toInvoice, 1);
    ASSERT_EQ(paper.lines.size(), 1u);
    EXPECT_GT(paper.lines[0].quantity, 0);
    EXPECT_GT(paper.lines[0].price, 0);
    EXPECT_EQ(paper.total,
              Scalar("SELECT printf('%.2f', -total_sum) FROM invoices_main WHERE doc_type = 2;"));
    EXPECT_FALSE(paper.total.startsWith("-"));
    EXPECT_EQ(paper.bank.name, "Банка ДСК");
    EXPECT_EQ(paper.bank.account, "BG80STSA");
}

TEST_F(SalePrintingTest, TheHostPrintsWithThisSeatsSettings) {
    FakeFormHost host(prompter, *settings);
    HostSalePrinter hostPrinter(host);
    settings->SetNoStockNotePrices(1);
    settings->SetAllowInvoicesWithoutCodes(1);
    const SalePrintOptions options = hostPrinter.Options();
    EXPECT_TRUE(options.noStockNotePrices);
    EXPECT_FALSE(options.stockNotesWithoutCodes);
    EXPECT_TRUE(options.invoicesWithoutCodes);
    EXPECT_EQ(options.pricePrecision, 2);
    EXPECT_FALSE(options.economyMode());
    settings->SetEconomicPrintMode(1);
    EXPECT_TRUE(options.economyMode()); // read anew for each page

    Begin(SaleOp::GoodsNote);
    Add("G1", 1);
    ASSERT_TRUE(form->Print(false, details, hostPrinter));
    ASSERT_EQ(host.previewed.size(), 1u);
    EXPECT_TRUE(host.previewed[0].contains("СТОКОВА РАЗПИСКА"));
    EXPECT_FALSE(host.previewed[0].contains(" Сума")); // no prices on this seat's goods notes
    prompter.AnswerAlways(kPrintQuestion, Answer::Yes);
    ASSERT_TRUE(form->Save(details, hostPrinter));
    ASSERT_EQ(host.printed.size(), 1u);
    EXPECT_TRUE(host.printed[0].contains("№ 0000000001, ОТ ДАТА: 08.12.2026"));
}

} // namespace

namespace {

// The currency a document prints in follows its date: leva before the
// firm's changeover to euro, euro from its day on.
TEST_F(SalePrintingTest, DocumentsBeforeTheChangeoverStayInLevaAndLaterOnesAreInEuro) {
    Begin(SaleOp::GoodsNote);
    form->SetDate(QDate(2026, 12, 1));
    Add("G1", 2);
    ASSERT_TRUE(Save());
    const QString levaWords = form->Totals().words;
    EXPECT_TRUE(levaWords.contains("лева")) << levaWords.toStdString();
    ASSERT_TRUE(form->Print(false, details, printer));
    EXPECT_EQ(printer.previewed.back().currencyMark, ""); // a firm in leva prints as it always has

    ASSERT_TRUE(Db().Exec("INSERT INTO settings VALUES('currency', 'EUR') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"
                          "INSERT INTO settings VALUES('currency_changeover_dt', '2026-12-05') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"));
    Begin(SaleOp::GoodsNote);
    form->SetDate(QDate(2026, 12, 8));
    Add("G1", 2);
    EXPECT_EQ(form->DocumentCurrency(), Currency::EUR);
    EXPECT_TRUE(form->Totals().words.contains("евро")) << form->Totals().words.toStdString();
    EXPECT_EQ(form->TotalsRows().back().first, "СУМА ЗА ПЛАЩАНЕ (EUR):");
    // Dated back before the changeover, the new document is in leva again.
    form->SetDate(QDate(2026, 12, 4));
    EXPECT_TRUE(form->Totals().words.contains("лева"));
    // ... and is not issued so: its prices came from the catalogue in euro.
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(), "Датата на документа е преди преминаването към евро (05.12.2026), а "
                                       "цените в каталога са в евро. Изберете дата от 05.12.2026 нататък.");
    form->SetDate(QDate(2026, 12, 8));
    ASSERT_TRUE(Save());
    EXPECT_TRUE(Scalar("SELECT slovom FROM stokovi_main WHERE doc_id = 2;").contains("евро"));
    ASSERT_TRUE(form->Print(false, details, printer));
    EXPECT_EQ(printer.previewed.back().currencyMark, " (EUR)");

    // The goods note of 1 December reprints in leva.
    documents.choices.push_back({1, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(form->Load(DocumentKind::GoodsNotes, documents));
    ASSERT_TRUE(form->Print(false, details, printer));
    EXPECT_EQ(printer.previewed.back().words, levaWords);
    EXPECT_EQ(printer.previewed.back().currencyMark, " (лв.)");
}

} // namespace
