#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class ListPreferences;

// A period of a filter: both ends inclusive.
struct Period {
    QDateTime start;
    QDateTime end;
};

// The fixed periods of the period menu.
enum class PeriodCommand {
    AllUntilToday,
    Today,
    LastSevenDays,
    ThisMonth,
    PreviousMonth,
    ThisYear,
    PreviousYear,
    FirstHalf,
    SecondHalf,
    FirstQuarter,
    SecondQuarter,
    ThirdQuarter,
    FourthQuarter,
};

// The period of a command as of the moment now; fixed dates start at 00:00:00.
Period PeriodFor(PeriodCommand command, const QDateTime& now);
// Day 1 to the last day of the given month of now's year.
Period MonthPeriod(int month, const QDateTime& now);
// The number of days of the month in the Gregorian calendar.
int LastDayOfMonth(int month, int year);

// The five favourite periods, kept as "от DD.MM.YYYY до DD.MM.YYYY" in the
// local settings.
class FavouritePeriods {
public:
    static constexpr int kSlots = 5;
    explicit FavouritePeriods(ListPreferences& settings) : m_settings(settings) {}

    static QString Format(const QDate& start, const QDate& end);
    void Store(int slot, const QDate& start, const QDate& end);
    bool IsFree(int slot) const;
    // The menu caption of a slot.
    QString Caption(int slot) const;
    // The stored period; nothing for a free or unreadable slot.
    std::optional<Period> Apply(int slot) const;

private:
    ListPreferences& m_settings;
};
