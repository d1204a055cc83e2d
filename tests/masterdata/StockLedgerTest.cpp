#include "masterdata/ItemStore.h"

#include "support/DatabaseTest.h"

namespace {

class StockLedgerTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(
            Db().Exec("INSERT INTO stocks (code, quantity) VALUES('G''1', 10);"
                      "INSERT INTO stocks (code, quantity, is_recipe, is_service) VALUES('S1', 7, 1, 1);"));
    }
    bool Set(const QString& code, double quantity) {
        return Change([&](WriteTransaction& t) { return ItemStore(Db()).SetQuantity(t, code, quantity); });
    }
    bool Increase(const QString& code, double quantity) {
        return Change([&](WriteTransaction& t) { return ItemStore(Db()).IncreaseQuantity(t, code, quantity); });
    }
    bool Decrease(const QString& code, double quantity) {
        return Change([&](WriteTransaction& t) { return ItemStore(Db()).DecreaseQuantity(t, code, quantity); });
    }
};

TEST_F(StockLedgerTest, QuantitiesAreReadAndChangedWithThreeDecimals) {
    EXPECT_EQ(ItemStore(Db()).Quantity("G'1"), 10);
    EXPECT_EQ(ItemStore(Db()).Quantity("S1"), 0); // a service holds no stock
    EXPECT_EQ(ItemStore(Db()).Quantity("няма"), 0);

    ASSERT_TRUE(Set("G'1", 2.0004));
    EXPECT_EQ(ItemStore(Db()).Quantity("G'1"), 2.0);
    ASSERT_TRUE(Increase("G'1", 1.2345)); // the change is rounded first
    EXPECT_DOUBLE_EQ(ItemStore(Db()).Quantity("G'1"), 3.235);
    ASSERT_TRUE(Decrease("G'1", 5));
    EXPECT_DOUBLE_EQ(ItemStore(Db()).Quantity("G'1"), -1.765); // below zero is the caller's business
    EXPECT_TRUE(Increase("няма", 1));     // an unknown code changes nothing
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(StockLedgerTest, ThousandsOfSmallChangesLeaveNoDrift) {
    ASSERT_TRUE(Set("G'1", 0));
    for (int i = 0; i < 3000; ++i)
        ASSERT_TRUE(Increase("G'1", 0.001));
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(Decrease("G'1", 0.001));
    EXPECT_EQ(Scalar("SELECT quantity FROM stocks WHERE code = 'G''1';"), "2");
    EXPECT_EQ(Scalar("SELECT quantity = 2.0 FROM stocks WHERE code = 'G''1';"), "1");
    for (int i = 0; i < 2000; ++i)
        ASSERT_TRUE(Decrease("G'1", 0.001));
    EXPECT_EQ(Scalar("SELECT quantity = 0 FROM stocks WHERE code = 'G''1';"), "1");
}

TEST_F(StockLedgerTest, AFailedWriteIsReportedAndAnsweredFalse) {
    ASSERT_TRUE(Db().Exec("DROP TABLE stocks;"));
    EXPECT_FALSE(Increase("G'1", 1));
    EXPECT_FALSE(Set("G'1", 1));
    EXPECT_EQ(ItemStore(Db()).Quantity("G'1"), 0);
    EXPECT_EQ(prompter.Count(), 3);
}

} // namespace
