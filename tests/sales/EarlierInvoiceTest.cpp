// Invoices for documents issued earlier: a goods note (code 7), a pro-forma
// (code 8) and several goods notes of one customer (code 9).
#include "sales/SaleTestBase.h"
#include "support/ChildSeat.h"
#include "support/FailureInjector.h"
#include "trade/DocumentBrowser.h"

namespace {

class EarlierInvoiceTest : public SaleTest {
protected:
    // A stored goods note (or pro-forma) of the lines for partner 1; its number.
    int Issue(SaleOp op, const std::vector<std::pair<QString, double>>& sold, double discount = 0) {
        Begin(op);
        for (const auto& [code, quantity] : sold)
            Add(code, quantity);
        EXPECT_TRUE(form->SetDiscount(discount));
        EXPECT_TRUE(Save());
        return form->Header().docId;
    }
    void Choose(int number) { documents.choices.push_back({number, QString(), QDate(), QString(), {}}); }
    void ChooseSeveral(std::vector<int> numbers) {
        documents.choices.push_back({numbers.front(), QString(), QDate(), QString(), numbers});
    }
    int OpenLines() { return Scalar("SELECT COUNT(*) FROM stokovi_items WHERE invoiced = '0';").toInt(); }
    std::vector<int> Listed(DocumentKind kind, int partner = 0) {
        DocumentBrowser browser(Db(), kind, partner);
        EXPECT_TRUE(browser.Reload());
        std::vector<int> numbers;
        for (const auto& row : browser.Rows())
            numbers.push_back(row.number);
        return numbers;
    }
};

TEST_F(EarlierInvoiceTest, AGoodsNoteIsInvoicedOnceWithItsHeaderAndWithoutMovingStock) {
    const int note = Issue(SaleOp::GoodsNote, {{"G1", 2}, {"S1", 1}}, 10);
    const SaleTotals noteTotals = form->Totals();
    EXPECT_EQ(Listed(DocumentKind::GoodsNotesNotInvoiced), std::vector<int>{note});
    const QString stock = Stock("G1");

    // A cancelled browser leaves the form as it was.
    ASSERT_FALSE(form->InvoiceEarlier(SaleOp::InvoiceForNote, documents, partners));
    EXPECT_EQ(form->Op(), SaleOp::GoodsNote);
    EXPECT_FALSE(form->IsNew());

    Choose(note);
    ASSERT_TRUE(form->InvoiceEarlier(SaleOp::InvoiceForNote, documents, partners));
    EXPECT_EQ(documents.kinds.back(), 2);
    EXPECT_EQ(form->Op(), SaleOp::InvoiceForNote);
    EXPECT_TRUE(form->IsNew());
    EXPECT_EQ(form->Caption(), "ДОКУМЕНТ: ФАКТУРА");
    EXPECT_EQ(form->Header().docId, 1); // the invoices' next number
    EXPECT_EQ(form->Customer().name, "Д'Артанян ООД");
    EXPECT_EQ(form->Header().receivedBy, "Приел");
    EXPECT_EQ(form->Header().osnovanieVat, "чл. 1");
    EXPECT_EQ(form->Header().discount, 10);
    ASSERT_EQ(form->Lines().size(), 2u);
    EXPECT_EQ(form->Lines()[0].visCode, "К-77");
    EXPECT_EQ(form->Totals().total, noteTotals.total);
    EXPECT_EQ(form->Firm().name, "Тарво ООД");

    // Its lines, customer and discount stay as the goods note has them.
    EXPECT_FALSE(form->MayAddLines());
    EXPECT_FALSE(form->MayChangeLines());
    EXPECT_FALSE(form->DeleteLines({0}));
    EXPECT_FALSE(form->SetDiscount(0));
    partners.ids.push_back(1);
    EXPECT_FALSE(form->ChooseCustomer(partners));

    ASSERT_TRUE(Save());
    EXPECT_EQ(Stock("G1"), stock);
    EXPECT_EQ(Scalar("SELECT doc_type || '|' || to_invoice || '|' || total_sum FROM invoices_main;"),
              QString("0|0|%1").arg(noteTotals.total));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_items WHERE doc_id = 1;"), "2");
    EXPECT_EQ(Scalar("SELECT cost_price FROM invoices_items WHERE item_code = 'G1';"), "1.2");
    EXPECT_EQ(Scalar("SELECT invoiced || '|' || invoice_id FROM stokovi_main;"), "1|1");
    EXPECT_EQ(OpenLines(), 0);
    EXPECT_TRUE(Listed(DocumentKind::GoodsNotesNotInvoiced).empty());
    // No goods note beside it: the goods note was written already.
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "1");
}

TEST_F(EarlierInvoiceTest, OnlyTheOpenLinesOfAGoodsNoteAreTakenAndANoteWithNoneIsRefused) {
    const int note = Issue(SaleOp::GoodsNote, {{"G1", 1}, {"S1", 1}});
    // The goods note written together with an invoice never appears.
    Issue(SaleOp::InvoiceWithNote, {{"G1", 1}});
    EXPECT_EQ(Listed(DocumentKind::GoodsNotesNotInvoiced), std::vector<int>{note});

    ASSERT_TRUE(Db().Exec("UPDATE stokovi_items SET invoiced = '1' WHERE doc_id = 1 AND item_code = 'G1';"));
    Choose(note);
    ASSERT_TRUE(form->InvoiceEarlier(SaleOp::InvoiceForNote, documents, partners));
    ASSERT_EQ(form->Lines().size(), 1u);
    EXPECT_EQ(form->Lines()[0].code, "S1");

    // A goods note whose lines were all invoiced meanwhile: nothing to take.
    ASSERT_TRUE(Db().Exec("UPDATE stokovi_items SET invoiced = '1' WHERE doc_id = 1;"));
    Choose(note);
    prompter.Expect(Answer::Yes); // the unsaved lines
    EXPECT_FALSE(form->InvoiceEarlier(SaleOp::InvoiceForNote, documents, partners));
    EXPECT_EQ(prompter.Texts().last(), "Всички редове на стокова разписка № 0000000001 вече са фактурирани.");
    EXPECT_EQ(form->Lines().size(), 1u); // the form kept its document
}

TEST_F(EarlierInvoiceTest, ACollectiveInvoiceMarksEveryLineOfEachGoodsNote) {
    const int first = Issue(SaleOp::GoodsNote, {{"G1", 1}, {"S1", 2}});
    const int second = Issue(SaleOp::GoodsNote, {{"G1", 2}});
    const int third = Issue(SaleOp::GoodsNote, {{"S1", 1}, {"G1", 1}, {"M1", 3}});
    ASSERT_TRUE(Db().Exec("INSERT INTO partners (partner_id, partner_is_customer, partner_name) "
                          "VALUES(2, 1, 'Бета');"));
    EXPECT_EQ(Listed(DocumentKind::CustomerLinesNotInvoiced, 1).size(), 3u);
    EXPECT_TRUE(Listed(DocumentKind::CustomerLinesNotInvoiced, 2).empty());

    // Without a customer on the form, the customer is chosen first.
    form->Start();
    partners.ids.push_back(1);
    ChooseSeveral({third, first, second});
    ASSERT_TRUE(form->InvoiceEarlier(SaleOp::CollectiveInvoice, documents, partners));
    EXPECT_EQ(documents.kinds.back(), 9);
    EXPECT_EQ(documents.partners.back(), 1);
    ASSERT_EQ(form->Lines().size(), 6u);
    // The goods notes in order, the lines numbered anew, each with its note and that note's total.
    const std::vector<ListColumn> columns = SellForm::Columns(SaleOp::CollectiveInvoice);
    EXPECT_EQ(columns[8].title, "Т.О.");
    EXPECT_EQ(columns[9].title, "всичко");
    EXPECT_EQ(columns[8].width, 80);
    EXPECT_EQ(SellForm::Columns(SaleOp::InvoiceForNote)[8].width, 0);
    const QStringList last = SellForm::Cells(form->Lines()[5]);
    EXPECT_EQ(last[0], "6");
    EXPECT_EQ(last[2], "M1");
    EXPECT_EQ(last[8], "3");
    EXPECT_EQ(last[9], Scalar("SELECT printf('%.2f', total_sum) FROM stokovi_main WHERE doc_id = 3;"));
    EXPECT_EQ(form->Customer().name, "Д'Артанян ООД");

    ASSERT_TRUE(Save());
    EXPECT_EQ(OpenLines(), 0);
    EXPECT_EQ(Scalar("SELECT GROUP_CONCAT(invoice_id) FROM stokovi_main WHERE invoiced = '1';"), "1,1,1");
    EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT invoice_id) FROM stokovi_items;"), "1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_items;"), "6");
    EXPECT_EQ(Scalar("SELECT partner_id FROM invoices_main;"), "1");
    EXPECT_TRUE(Listed(DocumentKind::CustomerLinesNotInvoiced, 1).empty());
}

TEST_F(EarlierInvoiceTest, GoodsNotesWithDifferentDiscountsMakeNoCollectiveInvoice) {
    const int first = Issue(SaleOp::GoodsNote, {{"G1", 1}}, 5);
    const int second = Issue(SaleOp::GoodsNote, {{"G1", 1}});
    ChooseSeveral({first, second});
    EXPECT_FALSE(form->InvoiceEarlier(SaleOp::CollectiveInvoice, documents, partners));
    EXPECT_TRUE(
        prompter.Texts().last().startsWith("Избраните стокови разписки са с различна търговска отстъпка"));
    EXPECT_EQ(form->Op(), SaleOp::GoodsNote);
}

TEST_F(EarlierInvoiceTest, AGoodsNoteInvoicedOrBrokenMeanwhileLeavesNoInvoice) {
    const int note = Issue(SaleOp::GoodsNote, {{"G1", 2}, {"S1", 1}});
    auto nothingWritten = [this] {
        EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_main;"), "0");
        EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_items;"), "0");
        EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_partners;"), "0");
        EXPECT_EQ(Scalar("SELECT invoiced FROM stokovi_main;"), "0");
        EXPECT_EQ(OpenLines(), 2);
    };

    // The line marks fail half-way: the whole invoice goes.
    Choose(note);
    ASSERT_TRUE(form->InvoiceEarlier(SaleOp::InvoiceForNote, documents, partners));
    {
        FailureInjector fail(doc->GetDatabase(), SQLITE_UPDATE, "stokovi_items", 0, "invoiced");
        EXPECT_FALSE(Save());
        EXPECT_EQ(fail.Refused(), 1);
    }
    nothingWritten();
    EXPECT_TRUE(form->IsNew());

    // Another seat invoiced the goods note after it was chosen here.
    ASSERT_TRUE(Db().Exec("UPDATE stokovi_main SET invoiced = '1', invoice_id = '99' WHERE doc_id = 1;"));
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts().last(),
              "Стокова разписка № 0000000001 вече е фактурирана или изтрита от друго "
              "работно място. Фактурата не е записана.");
    ASSERT_TRUE(Db().Exec("UPDATE stokovi_main SET invoiced = '0', invoice_id = '0' WHERE doc_id = 1;"));
    nothingWritten();

    // Or invoiced one of its lines: the count of marked lines falls short.
    ASSERT_TRUE(Db().Exec("UPDATE stokovi_items SET invoiced = '1' WHERE doc_id = 1 AND item_code = 'S1';"));
    EXPECT_FALSE(Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_main;"), "0");
    EXPECT_EQ(Scalar("SELECT invoiced FROM stokovi_main;"), "0");
}

TEST_F(EarlierInvoiceTest, AProformaIsInvoicedAfterTheStockCheckWithoutMovingStock) {
    const int proforma = Issue(SaleOp::Proforma, {{"G1", 12}}); // more than the 10 in stock
    Choose(proforma);
    ASSERT_TRUE(form->InvoiceEarlier(SaleOp::InvoiceForProforma, documents, partners));
    EXPECT_EQ(documents.kinds.back(), 4);
    ASSERT_EQ(form->Lines().size(), 1u);
    EXPECT_EQ(form->Lines()[0].visCode, "К-77"); // from the customer's codes
    EXPECT_FALSE(form->MayChangeLines());
    EXPECT_FALSE(Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_main;"), "0");

    ASSERT_TRUE(Db().Exec("UPDATE stocks SET quantity = 20 WHERE code = 'G1';"));
    ASSERT_TRUE(Save());
    EXPECT_EQ(Stock("G1"), "20.0");
    EXPECT_EQ(Scalar("SELECT invoiced || '|' || invoice_id FROM proforms_main;"), "1|1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "0");

    // An invoiced pro-forma is refused when chosen; the form keeps its document.
    Choose(proforma);
    EXPECT_FALSE(form->InvoiceEarlier(SaleOp::InvoiceForProforma, documents, partners));
    EXPECT_EQ(prompter.Texts().last(),
              "Проформа фактура № 0000000001 вече е фактурирана с фактура № 0000000001.");
    EXPECT_EQ(form->Op(), SaleOp::InvoiceForProforma);
    EXPECT_FALSE(form->IsNew());
}

TEST_F(EarlierInvoiceTest, TwoSeatsInvoicingOneGoodsNoteMakeOneInvoice) {
    const int note = Issue(SaleOp::GoodsNote, {{"G1", 2}});
    doc.reset();
    const QString path = DatabaseName();
    ChildSeat a, b;
    // Under two invoice numbers, so that only the goods note's marks can stop one.
    const auto statuses = RaceTwo(a, b, {"invoice-note", path, QString::number(note), "5"},
                                  {"invoice-note", path, QString::number(note), "6"});
    EXPECT_EQ(statuses.first + statuses.second, 1) << a.Errors().toStdString() << b.Errors().toStdString();
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM invoices_main;"), "1");
    EXPECT_EQ(Scalar("SELECT invoice_id FROM stokovi_main;"), Scalar("SELECT doc_id FROM invoices_main;"));
}

} // namespace
