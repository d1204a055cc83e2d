#include "reports/TurnoverByCustomer.h"

#include "support/DatabaseTest.h"

namespace {

class TurnoverByCustomerTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        ASSERT_TRUE(Db().Exec("INSERT INTO partners (partner_id, partner_name) VALUES(1, 'Бета');"
                              "INSERT INTO partners (partner_id, partner_name) VALUES(2, 'Алфа');"
                              "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum, "
                              "total_sum) VALUES(1, '2026-12-01', "
                              "1, 100, 120);"
                              "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum, "
                              "total_sum) VALUES(2, '2026-12-31', "
                              "1, 10.5, 12.6);"
                              "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum, "
                              "total_sum) VALUES(3, '2026-12-08', "
                              "2, 5, 6);"
                              "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum, "
                              "total_sum) VALUES(4, '2026-11-30', "
                              "2, 99, 99);"));
    }
};

TEST_F(TurnoverByCustomerTest, TheMonthByCustomerWithBothEndsIncluded) {
    TurnoverByCustomer report(Db(), prompter, clock);
    EXPECT_EQ(report.From(), QDate(2026, 12, 1)); // the clock's month
    EXPECT_EQ(report.To(), QDate(2026, 12, 31));
    ASSERT_TRUE(report.Reload());
    ASSERT_EQ(report.Rows().size(), 2u);
    EXPECT_EQ(report.Rows()[0], QStringList({"2", "Алфа", "5.00", "6.00"}));
    EXPECT_EQ(report.Rows()[1], QStringList({"1", "Бета", "110.50", "132.60"}));
    EXPECT_EQ(report.NetText(), "115.50");
    EXPECT_EQ(report.GrossText(), "138.60");
    EXPECT_TRUE(prompter.Texts().isEmpty()); // the statement prepares
    report.SetPeriod(QDate(2026, 11, 30), QDate(2026, 11, 30));
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(report.Rows().size(), 1u);
    EXPECT_EQ(report.NetText(), "99.00");
}

} // namespace
