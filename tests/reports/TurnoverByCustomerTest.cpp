#include "reports/TurnoverByCustomer.h"

#include "support/DatabaseTest.h"

namespace {

class TurnoverByCustomerTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
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

// After the changeover to euro on 8 December, a period across it gives the
// leva documents in euro and says so; a period on one side stays as stored.
TEST_F(TurnoverByCustomerTest, APeriodAcrossTheChangeoverSumsInEuro) {
    ASSERT_TRUE(Db().Exec("INSERT INTO settings VALUES('currency', 'EUR') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"
                          "INSERT INTO settings VALUES('currency_changeover_dt', '2026-12-08') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"));
    TurnoverByCustomer report(Db(), prompter, clock);
    ASSERT_TRUE(report.Reload());
    ASSERT_EQ(report.Rows().size(), 2u);
    EXPECT_EQ(report.Rows()[0], QStringList({"2", "Алфа", "5.00", "6.00"}));
    // 100 / 1.95583 + 10.50 and 120 / 1.95583 + 12.60
    EXPECT_EQ(report.Rows()[1], QStringList({"1", "Бета", "61.63", "73.96"}));
    EXPECT_EQ(report.NetText(), "66.63");
    EXPECT_EQ(report.CurrencyNote(), "сумите в лева са преизчислени по курс 1.95583");
    EXPECT_EQ(report.AmountsCurrency(report.To()), Currency::EUR);

    report.SetPeriod(QDate(2026, 12, 8), QDate(2026, 12, 31));
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(report.NetText(), "15.50");
    EXPECT_TRUE(report.CurrencyNote().isEmpty());

    report.SetPeriod(QDate(2026, 11, 1), QDate(2026, 11, 30));
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(report.NetText(), "99.00"); // all in leva, as issued
    EXPECT_TRUE(report.CurrencyNote().isEmpty());
    EXPECT_EQ(report.AmountsCurrency(report.To()), Currency::BGN);
}

} // namespace
