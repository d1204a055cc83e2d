// A goods note writes its income operation in its own save: one per goods
// note, none for a credit note, nothing at all when the operation cannot be
// written, and the deletion of the goods note takes only its income operation.
#include "app/DocumentDeletion.h"
#include "sales/SaleTestBase.h"
#include "support/FailureInjector.h"

namespace {
using GoodsNoteCashLinkTest = SaleTest;

// A credit note paid in cash gives money back: an expense operation of its
// total in its own save, gone with the credit note; one paid by bank, none.
TEST_F(GoodsNoteCashLinkTest, ACashCreditNoteWritesItsExpenseOperation) {
    Begin(SaleOp::InvoiceWithNote);
    Add("G1", 4);
    ASSERT_TRUE(Save());
    const int invoice = form->Header().docId;
    documents.choices.push_back({invoice, "08.12.2026", QDate(2026, 12, 8), QString(), {}});
    Begin(SaleOp::CreditNote);
    Add("G1", 1); // 2.50 + 20 % VAT
    ASSERT_TRUE(Save()) << prompter.Texts().join('|').toStdString();
    const int note = form->Header().docId;
    EXPECT_EQ(
        Scalar("SELECT op_type || '|' || based_on_doc_id || '|' || partner_id || '|' || amount || '|' || "
               "description FROM cash_register WHERE op_type = 1;"),
        QString("1|0|1|3|Кредитно известие № %1").arg(note, 10, 10, QChar('0')));
    ASSERT_TRUE(DocumentDeletion(Db(), prompter).Delete(DocumentKind::CreditNotes, note));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register WHERE op_type = 1;"), "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM credit_note_cash;"), "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register WHERE op_type = 0;"),
              "1"); // the invoice's goods note
}

TEST_F(GoodsNoteCashLinkTest, ANewGoodsNoteWritesItsIncomeOperation) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 2); // 2 × 2.50 = 5.00, + 20 % VAT = 6.00
    ASSERT_TRUE(Save());
    const int number = form->Header().docId;
    EXPECT_EQ(
        Scalar("SELECT op_type || '|' || based_on_doc_id || '|' || partner_id || '|' || amount || '|' || "
               "bank_payment || '|' || doc_dt FROM cash_register;"),
        QString("0|%1|1|6|0|2026-12-08").arg(number));
    EXPECT_EQ(Scalar("SELECT description FROM cash_register;"),
              QString("Стокова разписка № %1").arg(number, 10, 10, QChar('0')));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register_cmp;"), "0");

    // An invoice with its goods note: the goods note's number.
    Begin(SaleOp::InvoiceWithNote);
    Add("G1", 1);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register;"), "2");
    EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT based_on_doc_id) FROM cash_register;"), "2");

    // A delivery of the same number is an expense and stays when the goods note goes.
    ASSERT_TRUE(Db().Exec(QString("INSERT INTO cash_register VALUES(NULL, 1, '', '2026-12-08', '2026-12-08', "
                                  "'Доставка', 0, 9, %1, 0);")
                              .arg(number)
                              .toUtf8()));
    ASSERT_TRUE(DocumentDeletion(Db(), prompter).Delete(DocumentKind::GoodsNotes, number));
    EXPECT_EQ(Scalar(QString("SELECT group_concat(op_type) FROM cash_register WHERE based_on_doc_id = %1;")
                         .arg(number)
                         .toUtf8()),
              "1");
}

TEST_F(GoodsNoteCashLinkTest, AStoredGoodsNoteSavedAgainMovesItsOperationsDate) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 2);
    ASSERT_TRUE(Save());
    const int number = form->Header().docId;
    documents.choices.push_back({number, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(form->Load(DocumentKind::GoodsNotes, documents));
    form->SetDate(QDate(2026, 12, 3));
    ASSERT_TRUE(Save()) << prompter.Texts().join('|').toStdString();
    EXPECT_EQ(Scalar("SELECT doc_dt || '|' || amount FROM cash_register;"), "2026-12-03|6");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register;"), "1");
}

TEST_F(GoodsNoteCashLinkTest, AFailedOperationLeavesNoGoodsNoteAndTheStockAsItWas) {
    Begin(SaleOp::GoodsNote);
    Add("G1", 2);
    {
        FailureInjector refuse(doc->GetDatabase(), SQLITE_INSERT, "cash_register", 0);
        EXPECT_FALSE(Save());
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "0");
    EXPECT_EQ(Stock("G1"), "10.0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register;"), "0");
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM cash_register;"), "1");
    EXPECT_EQ(Stock("G1"), "8.0");
}
} // namespace
