// Deleting one document from the menu: what comes back to the stock and what
// leaves the cash register, all or nothing.
#include "app/DocumentDeletion.h"

#include "sales/SaleTestBase.h"
#include "support/FailureInjector.h"
#include "support/ScriptedChoosers.h"

namespace {
constexpr const char* kQuestion = "Потвърждавате ли изтриването на този документ?";
constexpr const char* kDeleted = "Документът беше изтрит успешно.";
constexpr const char* kFailed = "Документът не може да бъде изтрит. Моля, опитайте отново.";

class DocumentDeletionTest : public SaleTest {
protected:
    // A goods note of 3 of the goods and 1 product (2.2 of the material and
    // 1 of the goods through the recipe): number 1.
    void SellNote() {
        Begin(SaleOp::GoodsNote);
        Add("G1", 3);
        Add("P1", 1);
        ASSERT_TRUE(Save());
        ASSERT_EQ(Stock("G1"), "6.0");
        ASSERT_EQ(Stock("M1"), "97.8");
        ASSERT_EQ(Stock("P1"), "3.0");
    }
    bool Run(DocumentKind kind, int number, Answer answer = Answer::Yes) {
        documents.choices.push_back({number, QString(), QDate(), QString(), {}});
        prompter.Expect(answer);
        return DocumentDeletion(Db(), prompter).Run(kind, documents);
    }
    QString Count(const char* table) { return Scalar(QByteArray("SELECT COUNT(*) FROM ") + table + ";"); }
};
} // namespace

TEST_F(DocumentDeletionTest, AGoodsNoteBringsBackItsGoodsAndTheMaterialsOfItsProducts) {
    SellNote();
    // Beside the note's own operation, two more of the note, each with
    // payments, and one of a delivery with the same number.
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO cash_register VALUES(11, 0, 'продажба', '2026-12-08', '2026-12-08', '', 1, 10, 1, 0);"
        "INSERT INTO cash_register VALUES(12, 0, 'продажба', '2026-12-08', '2026-12-08', '', 1, 5, 1, 0);"
        "INSERT INTO cash_register VALUES(13, 1, 'доставка', '2026-12-08', '2026-12-08', '', 1, 7, 1, 0);"
        "INSERT INTO cash_register_cmp VALUES(11, 11, '2026-12-08', 4);"
        "INSERT INTO cash_register_cmp VALUES(11, 12, '2026-12-08', 6);"
        "INSERT INTO cash_register_cmp VALUES(12, 13, '2026-12-08', 5);"
        "INSERT INTO cash_register_cmp VALUES(13, 14, '2026-12-08', 7);"));

    // No: nothing changes.
    EXPECT_FALSE(Run(DocumentKind::GoodsNotes, 1, Answer::No));
    EXPECT_EQ(documents.kinds.back(), 1);
    EXPECT_EQ(prompter.Texts().last(), "Операцията беше отказана.");
    EXPECT_EQ(Count("stokovi_main"), "1");

    ASSERT_TRUE(Run(DocumentKind::GoodsNotes, 1));
    EXPECT_EQ(prompter.Texts().mid(prompter.Count() - 2), (QStringList{kQuestion, kDeleted}));
    EXPECT_EQ(Stock("G1"), "10.0"); // 3 sold + 1 through the product
    EXPECT_EQ(Stock("M1"), "100.0");
    EXPECT_EQ(Stock("P1"), "3.0"); // the product itself never left the stock
    for (const char* table :
         {"stokovi_main", "stokovi_items", "stokovi_partners", "stokovi_firmdata", "soldmat"})
        EXPECT_EQ(Count(table), "0") << table;
    EXPECT_EQ(Scalar("SELECT group_concat(rec_id) FROM cash_register;"), "13");
    EXPECT_EQ(Scalar("SELECT group_concat(id) FROM cash_register_cmp;"), "14");
}

TEST_F(DocumentDeletionTest, ACreditNoteGoodsNoteTakesTheReturnedGoodsOutAgain) {
    ASSERT_TRUE(Db().Exec("INSERT INTO invoices_main (doc_id, doc_dt, partner_id, doc_type) VALUES(5, "
                          "'2026-11-30', 1, 0);"));
    documents.choices.push_back({5, "30.11.2026", QDate(2026, 11, 30), QString(), {}});
    Begin(SaleOp::CreditNote);
    Add("G1", 2);
    Add("P1", 1);
    ASSERT_TRUE(Save());
    ASSERT_EQ(Stock("G1"), "13.0");
    ASSERT_EQ(Stock("M1"), "102.2");
    const QString note = Scalar("SELECT doc_id FROM stokovi_main;");

    ASSERT_TRUE(Run(DocumentKind::GoodsNotes, note.toInt()));
    EXPECT_EQ(Stock("G1"), "10.0");
    EXPECT_EQ(Stock("M1"), "100.0");
    EXPECT_EQ(Stock("P1"), "3.0");
}

TEST_F(DocumentDeletionTest, AnInvoiceFreesItsGoodsNotesAndMovesNoStock) {
    SellNote();
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO invoices_main (doc_id, doc_dt, partner_id, doc_type) VALUES(7, '2026-12-08', 1, 0);"
        "INSERT INTO invoices_items (doc_id, doc_dt, item_code, quantity) VALUES(7, '2026-12-08', 'G1', 3);"
        "UPDATE stokovi_main SET invoiced = 1, invoice_id = 7;"
        "UPDATE stokovi_items SET invoiced = 1, invoice_id = 7;"));
    ASSERT_TRUE(Run(DocumentKind::Invoices, 7));
    EXPECT_EQ(documents.kinds.back(), 3);
    EXPECT_EQ(Count("invoices_main"), "0");
    EXPECT_EQ(Count("invoices_items"), "0");
    EXPECT_EQ(Scalar("SELECT invoiced || '|' || invoice_id FROM stokovi_main;"), "0|0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_items WHERE invoiced = 0 AND invoice_id = 0;"), "2");
    EXPECT_EQ(Stock("G1"), "6.0");

    // The debit and credit notes are found through their own choosers.
    ASSERT_TRUE(Run(DocumentKind::DebitNotes, 8));
    EXPECT_EQ(documents.kinds.back(), 12);
    ASSERT_TRUE(Run(DocumentKind::CreditNotes, 9));
    EXPECT_EQ(documents.kinds.back(), 13);
}

TEST_F(DocumentDeletionTest, ADeliveryLowersTheStockEvenBelowZeroAndTakesItsPayments) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO supplies_main (doc_id, doc_dt) VALUES(4, '2026-12-01');"
        "INSERT INTO supplies_items (doc_id, doc_dt, seq_id, item_code, quantity) VALUES(4, '2026-12-01', 1, "
        "'G1', 15);"
        "INSERT INTO cash_register VALUES(1, 1, 'доставка', '2026-12-01', '2026-12-01', '', 1, 10, 4, 0);"
        "INSERT INTO cash_register VALUES(2, 1, 'доставка', '2026-12-01', '2026-12-01', '', 1, 10, 4, 0);"
        "INSERT INTO cash_register VALUES(3, 0, 'продажба', '2026-12-01', '2026-12-01', '', 1, 10, 4, 0);"
        "INSERT INTO cash_register_cmp VALUES(1, 1, '2026-12-01', 10);"
        "INSERT INTO cash_register_cmp VALUES(2, 2, '2026-12-01', 10);"
        "INSERT INTO cash_register_cmp VALUES(3, 3, '2026-12-01', 10);"));
    ASSERT_TRUE(Run(DocumentKind::Deliveries, 4));
    EXPECT_EQ(documents.kinds.back(), 0);
    EXPECT_EQ(Stock("G1"), "-5.0");
    EXPECT_EQ(Count("supplies_main"), "0");
    EXPECT_EQ(Count("supplies_items"), "0");
    EXPECT_EQ(Scalar("SELECT group_concat(rec_id) FROM cash_register;"), "3");
    EXPECT_EQ(Scalar("SELECT group_concat(id) FROM cash_register_cmp;"), "3");
}

TEST_F(DocumentDeletionTest, ProductionComesBackWithThreeDecimals) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO production VALUES(2, '2026-12-01', 'Иван');"
        "INSERT INTO production_cmp VALUES(2, '2026-12-01', 1, 'P1', 'Удължител', 1, 'бр.', 1.255, 0, "
        "'Иван');"
        "INSERT INTO production_cmp_entries VALUES(2, '2026-12-01', 1, 'M1', 'Мед', 2, 'кг', 2.761, 0.5);"
        "INSERT INTO production_cmp_entries VALUES(2, '2026-12-01', 1, 'M1', 'Мед', 2, 'кг', 0.002, 0.5);"
        "UPDATE stocks SET quantity = 4.255 WHERE code = 'P1';"
        "UPDATE stocks SET quantity = 97.237 WHERE code = 'M1';"));
    documents.choices.push_back({2, QString(), QDate(), QString(), {}});
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(DocumentDeletion(Db(), prompter).Run(DocumentKind::Production, documents));
    EXPECT_EQ(documents.kinds.back(), 7);
    EXPECT_EQ(prompter.Texts(), (QStringList{"Моля, потвърдете изтриването на избраните операции.",
                                             "Избраните операции бяха изтрити успешно."}));
    EXPECT_EQ(Stock("P1"), "3.0");
    EXPECT_EQ(Stock("M1"), "100.0");
    EXPECT_EQ(Count("production") + Count("production_cmp") + Count("production_cmp_entries"), "000");
}

TEST_F(DocumentDeletionTest, RequestsOffersAndCardsGoWithTheirLines) {
    ASSERT_TRUE(Db().Exec("INSERT INTO requests_main (doc_id, doc_dt) VALUES(1, '2026-12-01');"
                          "INSERT INTO requests_items (doc_id, doc_dt, seq_id) VALUES(1, '2026-12-01', 1);"
                          "INSERT INTO requests_main (doc_id, doc_dt) VALUES(2, '2026-12-01');"
                          "INSERT INTO offers (doc_id, doc_dt) VALUES(1, '2026-12-01');"
                          "INSERT INTO offers_cmp (doc_id, doc_dt, item_name) VALUES(1, '2026-12-01', 'x');"
                          "INSERT INTO gk_main VALUES(1, '2026-12-01', 1, 'К', 'И', 0, 0, 12, 0, '');"));
    ASSERT_TRUE(Run(DocumentKind::Requests, 1));
    EXPECT_EQ(documents.kinds.back(), 8);
    ASSERT_TRUE(Run(DocumentKind::Offers, 1));
    EXPECT_EQ(documents.kinds.back(), 5);
    ASSERT_TRUE(Run(DocumentKind::WarrantyCards, 1));
    EXPECT_EQ(documents.kinds.back(), 11);
    EXPECT_EQ(Scalar("SELECT group_concat(doc_id) FROM requests_main;"), "2");
    EXPECT_EQ(Count("requests_items") + Count("offers") + Count("offers_cmp") + Count("gk_main"), "0000");
}

TEST_F(DocumentDeletionTest, AFailureHalfWayLeavesStockAndRowsAsTheyWere) {
    SellNote();
    // The soldmat rows cannot be deleted: by then the goods and materials
    // were raised and the note's rows removed.
    {
        FailureInjector failure(doc->GetDatabase(), SQLITE_DELETE, "soldmat", 0);
        EXPECT_FALSE(Run(DocumentKind::GoodsNotes, 1));
        EXPECT_EQ(failure.Refused(), 1);
    }
    EXPECT_EQ(prompter.Texts().last(), kFailed);
    EXPECT_EQ(Stock("G1"), "6.0");
    EXPECT_EQ(Stock("M1"), "97.8");
    EXPECT_EQ(Count("stokovi_main"), "1");
    EXPECT_EQ(Count("stokovi_items"), "2");
    EXPECT_EQ(Count("soldmat"), "2");

    // Cancelled chooser: no question at all.
    prompter.Clear();
    EXPECT_FALSE(DocumentDeletion(Db(), prompter).Run(DocumentKind::GoodsNotes, documents));
    EXPECT_EQ(prompter.Count(), 0);
}
