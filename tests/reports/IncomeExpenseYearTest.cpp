// The year of the income and expense diagram: goods notes, deliveries and
// production by month, the maximum, an empty year, and a date that cannot be
// read counting in the current month.
#include "reports/IncomeExpenseYear.h"

#include "support/DatabaseTest.h"

namespace {
class IncomeExpenseYearTest : public DatabaseTest {};

TEST_F(IncomeExpenseYearTest, MonthsTotalsAndTheMaximum) {
    IncomeExpenseYear year;
    ASSERT_TRUE(LoadIncomeExpenseYear(Db(), clock, 2026, year));
    EXPECT_TRUE(year.Empty());
    EXPECT_EQ(year.maximum, 0);

    ASSERT_TRUE(
        Db().Exec("INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(1, '2026-01-15', 100);"
                  "INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(2, '2026-01-31', 50.5);"
                  "INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(3, '2026-03-01', -20);"
                  "INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(4, '2025-12-31', 999);"));
    ASSERT_TRUE(LoadIncomeExpenseYear(Db(), clock, 2026, year));
    // A year with goods notes only: the expense bars stay at 0.
    EXPECT_DOUBLE_EQ(year.income[0], 150.5);
    EXPECT_DOUBLE_EQ(year.income[2], -20);
    EXPECT_DOUBLE_EQ(year.incomeTotal, 130.5);
    EXPECT_DOUBLE_EQ(year.expenseTotal, 0);
    EXPECT_DOUBLE_EQ(year.maximum, 150.5);
    EXPECT_DOUBLE_EQ(year.Minimum(), -20);
    EXPECT_FALSE(year.Empty());

    ASSERT_TRUE(
        Db().Exec("INSERT INTO supplies_main (doc_id, doc_dt, oblagaema_sum) VALUES(1, '2026-02-10', 300);"
                  "INSERT INTO production_cmp (doc_id, doc_dt, code, quantity, cost_price) VALUES(1, "
                  "'2026-02-11', 'P1', 5, "
                  "1.234);"
                  "INSERT INTO supplies_main (doc_id, doc_dt, oblagaema_sum) VALUES(2, 'не е дата', 7);"));
    ASSERT_TRUE(LoadIncomeExpenseYear(Db(), clock, 2026, year));
    EXPECT_DOUBLE_EQ(year.deliveries[1], 300);
    EXPECT_DOUBLE_EQ(year.production[1], 6.17); // 5 × 1.234 rounded
    EXPECT_DOUBLE_EQ(year.maximum, 300);
    EXPECT_DOUBLE_EQ(year.expenseTotal, 306.17);
    // The row whose date cannot be read is not of 2026 by its text, so it is not read at all.
    EXPECT_DOUBLE_EQ(year.deliveries[11], 0);

    // A stored date with a time still falls in its month; one of an
    // unreadable form within the year's text range counts in the current month.
    ASSERT_TRUE(
        Db().Exec("INSERT INTO supplies_main (doc_id, doc_dt, oblagaema_sum) VALUES(3, '2026-05-xx', 9);"));
    ASSERT_TRUE(LoadIncomeExpenseYear(Db(), clock, 2026, year));
    EXPECT_DOUBLE_EQ(year.deliveries[11], 9); // December on the fixed clock
}
// A year across the changeover to euro: its leva months in euro.
TEST_F(IncomeExpenseYearTest, AYearAcrossTheChangeoverIsInEuro) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(1, '2026-11-15', 195.583);"
        "INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(2, '2026-12-10', 10);"
        "INSERT INTO supplies_main (doc_id, doc_dt, oblagaema_sum) VALUES(1, '2026-11-02', 39.1166);"
        "INSERT INTO settings VALUES('currency', 'EUR') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"
        "INSERT INTO settings VALUES('currency_changeover_dt', '2026-12-08') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"));
    IncomeExpenseYear year;
    ASSERT_TRUE(LoadIncomeExpenseYear(Db(), clock, 2026, year));
    EXPECT_TRUE(year.converted);
    EXPECT_NEAR(year.income[10], 100, 1e-9);
    EXPECT_NEAR(year.income[11], 10, 1e-9);
    EXPECT_NEAR(year.deliveries[10], 20, 1e-9);
    EXPECT_NEAR(year.incomeTotal, 110, 1e-9);
    // The year before stays as issued.
    ASSERT_TRUE(LoadIncomeExpenseYear(Db(), clock, 2025, year));
    EXPECT_FALSE(year.converted);
}

} // namespace
