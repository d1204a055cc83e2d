#include "format/DocNumber.h"
#include "format/SqlDates.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlDates, StoredAndDisplayFormsConvertBothWays) {
    EXPECT_EQ(DateToSql(QDate(2024, 3, 5)), "2024-03-05");
    EXPECT_EQ(DateToSql(QDate(7, 1, 9)), "0007-01-09");
    EXPECT_EQ(SqlToDisplayDate("2024-03-05"), "05.03.2024");
    EXPECT_EQ(SqlToDate("2024-02-29"), QDate(2024, 2, 29));
    EXPECT_FALSE(SqlToDate("2023-02-29").isValid());
    EXPECT_FALSE(SqlToDate("05.03.2024").isValid());

    EXPECT_EQ(FormatDate(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)), DateFormat::Display), "05.03.2024");
    EXPECT_EQ(FormatDate(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)), DateFormat::Timestamp),
              "20240305090703");

    // An invalid date gives -1 for its parts and can never equal a stored date.
    EXPECT_EQ(FormatDate(QDateTime(), DateFormat::Display), "-01.-01.-0001");
    EXPECT_EQ(DateToSql(QDate()), "-0001--01--01");
}

TEST(DocNumber, TenDigitTextReadsBackWithItsSign) {
    EXPECT_EQ(FormatDocNumber(123), "0000000123");
    EXPECT_EQ(FormatDocNumber(-15), "-0000000015");
    EXPECT_EQ(ParseDocNumber("0000000123"), 123);
    EXPECT_EQ(ParseDocNumber("-0000000015"), -15);
    EXPECT_EQ(ParseDocNumber("-000000015"), -15);
    EXPECT_EQ(ParseDocNumber("0000000000"), 0);
    EXPECT_EQ(ParseDocNumber(""), 0);
    EXPECT_EQ(ParseDocNumber("-"), 0);
    EXPECT_EQ(ParseDocNumber("0000001000"), 1000);
    EXPECT_EQ(ParseDocNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseDocNumber(FormatDocNumber(4711)), 4711);
}

} // namespace
