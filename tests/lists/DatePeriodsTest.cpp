#include "lists/DatePeriods.h"

#include "settings/LocalSettings.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QDateTime at(int y, int m, int d, int h = 0, int min = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

void expectPeriod(const Period& period, const QDateTime& start, const QDateTime& end) {
    EXPECT_EQ(period.start, start);
    EXPECT_EQ(period.end, end);
}

TEST(DatePeriods, EveryFixedPeriodOfTheMenu) {
    const QDateTime now = at(2026, 5, 17, 14, 30);
    expectPeriod(PeriodFor(PeriodCommand::AllUntilToday, now), at(2000, 1, 1), now);
    expectPeriod(PeriodFor(PeriodCommand::Today, now), now, now);
    expectPeriod(PeriodFor(PeriodCommand::LastSevenDays, now), at(2026, 5, 11, 14, 30), now);
    expectPeriod(PeriodFor(PeriodCommand::ThisMonth, now), at(2026, 5, 1), at(2026, 5, 31));
    expectPeriod(PeriodFor(PeriodCommand::PreviousMonth, now), at(2026, 4, 1), at(2026, 4, 30));
    expectPeriod(PeriodFor(PeriodCommand::ThisYear, now), at(2026, 1, 1), at(2026, 12, 31));
    expectPeriod(PeriodFor(PeriodCommand::PreviousYear, now), at(2025, 1, 1), at(2025, 12, 31));
    expectPeriod(PeriodFor(PeriodCommand::FirstHalf, now), at(2026, 1, 1), at(2026, 6, 30));
    expectPeriod(PeriodFor(PeriodCommand::SecondHalf, now), at(2026, 7, 1), at(2026, 12, 31));
    expectPeriod(PeriodFor(PeriodCommand::FirstQuarter, now), at(2026, 1, 1), at(2026, 3, 31));
    expectPeriod(PeriodFor(PeriodCommand::SecondQuarter, now), at(2026, 4, 1), at(2026, 6, 30));
    expectPeriod(PeriodFor(PeriodCommand::ThirdQuarter, now), at(2026, 7, 1), at(2026, 9, 30));
    expectPeriod(PeriodFor(PeriodCommand::FourthQuarter, now), at(2026, 10, 1), at(2026, 12, 31));
    expectPeriod(MonthPeriod(9, now), at(2026, 9, 1), at(2026, 9, 30));
    expectPeriod(MonthPeriod(12, now), at(2026, 12, 1), at(2026, 12, 31));
    // The last seven days cross a month's start.
    expectPeriod(PeriodFor(PeriodCommand::LastSevenDays, at(2026, 3, 2)), at(2026, 2, 24), at(2026, 3, 2));
}

TEST(DatePeriods, JanuarysPreviousMonthIsLastDecember) {
    expectPeriod(PeriodFor(PeriodCommand::PreviousMonth, at(2027, 1, 9, 8)), at(2026, 12, 1),
                 at(2026, 12, 31));
}

TEST(DatePeriods, FebruaryFollowsTheCalendar) {
    EXPECT_EQ(LastDayOfMonth(2, 2024), 29);
    EXPECT_EQ(LastDayOfMonth(2, 2000), 29);
    EXPECT_EQ(LastDayOfMonth(2, 2023), 28);
    // 2100 is divisible by 4 but has no 29 February.
    EXPECT_EQ(LastDayOfMonth(2, 2100), 28);
    expectPeriod(MonthPeriod(2, at(2100, 6, 1)), at(2100, 2, 1), at(2100, 2, 28));
    expectPeriod(MonthPeriod(2, at(2028, 6, 1)), at(2028, 2, 1), at(2028, 2, 29));
    for (int month : {4, 6, 9, 11})
        EXPECT_EQ(LastDayOfMonth(month, 2026), 30);
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        EXPECT_EQ(LastDayOfMonth(month, 2026), 31);
}

TEST(DatePeriods, FavouritesAreStoredAsTextAndComeBackTheSame) {
    QTemporaryDir dir;
    LocalSettings settings(dir.filePath("s.ini"));
    FavouritePeriods favourites(settings);
    EXPECT_TRUE(favourites.IsFree(2));
    EXPECT_EQ(favourites.Caption(2), "Предпочитан период #2: няма съхранена стойност");
    EXPECT_FALSE(favourites.Apply(2));

    favourites.Store(2, QDate(2007, 3, 1), QDate(2007, 3, 31));
    EXPECT_EQ(settings.UsrFavDate(2), "от 01.03.2007 до 31.03.2007");
    EXPECT_EQ(favourites.Caption(2), "Предпочитан период #2: от 01.03.2007 до 31.03.2007");
    const auto period = favourites.Apply(2);
    ASSERT_TRUE(period);
    expectPeriod(*period, at(2007, 3, 1), at(2007, 3, 31));

    // A slot written by hand with a wrong text is not applied.
    settings.SetUsrFavDate(4, "някога");
    EXPECT_FALSE(favourites.IsFree(4));
    EXPECT_FALSE(favourites.Apply(4));
}

} // namespace
