// The generated firm the reports are measured on is a consistent one.
#include "genfirm/GeneratedFirm.h"

#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/ResultTable.h"
#include "support/DatabaseTest.h"

namespace {

class GeneratedFirmTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(GenerateFirm(*doc->GetDatabase(), 0.01));
    }
};

TEST_F(GeneratedFirmTest, TotalsSoldMaterialsAndStockAgreeWithTheRows) {
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "500");
    EXPECT_GE(Scalar("SELECT COUNT(*) FROM stokovi_items;").toInt(), 3000);
    // Document totals equal their lines.
    for (const char* family : {"stokovi", "invoices", "supplies"})
        EXPECT_EQ(Scalar(QByteArray("SELECT COUNT(*) FROM ") + family +
                         "_main AS m WHERE ROUND(m.all_sum, 2) != "
                         "(SELECT ROUND(SUM(end_price), 2) FROM " +
                         family + "_items AS i WHERE i.doc_id = m.doc_id);"),
                  "0")
            << family;
    EXPECT_EQ(
        Scalar("SELECT COUNT(*) FROM stokovi_main WHERE ROUND(total_sum - oblagaema_sum - vat_sum, 2) != 0 "
               "OR ROUND(all_sum - discount_sum - oblagaema_sum, 2) != 0;"),
        "0");
    // A soldmat row for every component of every product sold.
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM soldmat;"),
              Scalar("SELECT SUM(c.n) FROM stokovi_items AS si JOIN (SELECT owner_code, COUNT(*) AS n FROM "
                     "stocks_cmp GROUP BY owner_code) AS c ON c.owner_code = si.item_code;"));
    // Stock equals movements: in by deliveries, production and credit notes,
    // out by production, goods notes and the components of products sold.
    EXPECT_EQ(
        Scalar(
            "SELECT COUNT(*) FROM stocks AS s WHERE s.is_service = 0 AND ROUND(s.quantity - ("
            "COALESCE((SELECT SUM(quantity) FROM supplies_items WHERE item_code = s.code), 0) + "
            "COALESCE((SELECT SUM(quantity) FROM production_cmp WHERE code = s.code), 0) - "
            "COALESCE((SELECT SUM(quantity) FROM production_cmp_entries WHERE code = s.code), 0) - "
            "CASE WHEN s.is_recipe = 1 THEN 0 ELSE "
            "COALESCE((SELECT SUM(quantity) FROM stokovi_items WHERE item_code = s.code), 0) END - "
            "COALESCE((SELECT SUM(quantity) FROM soldmat WHERE code = s.code), 0) - "
            "COALESCE((SELECT SUM(i.quantity) FROM invoices_items AS i JOIN invoices_main AS m ON m.doc_id = "
            "i.doc_id WHERE m.doc_type = 2 AND i.item_code = s.code), 0)), 3) != 0;"),
        "0");
    // The edge cases are there.
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM invoices_main WHERE doc_type = 2 AND total_sum < 0;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM invoices_main WHERE doc_type = 1;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM invoices_items WHERE item_group = 0;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stokovi_main WHERE invoiced = 1;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stokovi_main WHERE discount = 12.5;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stocks WHERE is_hidden = 1;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stocks WHERE is_dirty = 1;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stocks WHERE quantity < 0;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stocks WHERE quantity = 0 AND is_service = 0;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stokovi_items WHERE item_code NOT IN (SELECT code FROM stocks);")
                  .toInt(),
              0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM stocks WHERE stock_group NOT IN (SELECT id FROM groups);").toInt(),
              0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM partners WHERE partner_name LIKE '%''%';").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM revisions;").toInt(), 0);
    EXPECT_GT(Scalar("SELECT COUNT(*) FROM cash_register;").toInt(), 0);
}

TEST_F(GeneratedFirmTest, TheSameSeedGivesTheSameFirm) {
    QTemporaryDir dir;
    Connection connection;
    ASSERT_EQ(CreateDatabase(dir.filePath("tarvo.db"), connection, sleeper, prompter),
              CreationResult::Created);
    ASSERT_TRUE(GenerateFirm(connection, 0.01));
    const QByteArray fingerprint =
        "SELECT SUM(total_sum) || '|' || (SELECT SUM(quantity) FROM stocks) || '|' || "
        "(SELECT COUNT(*) FROM soldmat) FROM stokovi_main;";
    ResultTable second;
    ASSERT_TRUE(connection.Query(fingerprint, second).Ok());
    EXPECT_EQ(Scalar(fingerprint), second.Text(1, 0));
}

} // namespace
