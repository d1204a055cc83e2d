#include "lists/DatePeriods.h"

#include "settings/ListPreferences.h"

namespace {
QDateTime midnight(int year, int month, int day) {
    return QDateTime(QDate(year, month, day), QTime(0, 0));
}

Period wholeMonths(int year, int firstMonth, int lastMonth) {
    return {midnight(year, firstMonth, 1), midnight(year, lastMonth, LastDayOfMonth(lastMonth, year))};
}
} // namespace

int LastDayOfMonth(int month, int year) {
    // The calendar's own rule: February 2100 has 28 days, like 1900 and
    // unlike 2000; a 29th there would be a date that does not exist.
    return QDate(year, month, 1).daysInMonth();
}

Period MonthPeriod(int month, const QDateTime& now) {
    return wholeMonths(now.date().year(), month, month);
}

Period PeriodFor(PeriodCommand command, const QDateTime& now) {
    const int year = now.date().year();
    const int month = now.date().month();
    switch (command) {
    case PeriodCommand::AllUntilToday:
        return {midnight(2000, 1, 1), now};
    case PeriodCommand::Today:
        return {now, now};
    case PeriodCommand::LastSevenDays:
        return {now.addDays(-6), now};
    case PeriodCommand::ThisMonth:
        return wholeMonths(year, month, month);
    case PeriodCommand::PreviousMonth:
        return month == 1 ? wholeMonths(year - 1, 12, 12) : wholeMonths(year, month - 1, month - 1);
    case PeriodCommand::ThisYear:
        return wholeMonths(year, 1, 12);
    case PeriodCommand::PreviousYear:
        return wholeMonths(year - 1, 1, 12);
    case PeriodCommand::FirstHalf:
        return wholeMonths(year, 1, 6);
    case PeriodCommand::SecondHalf:
        return wholeMonths(year, 7, 12);
    case PeriodCommand::FirstQuarter:
        return wholeMonths(year, 1, 3);
    case PeriodCommand::SecondQuarter:
        return wholeMonths(year, 4, 6);
    case PeriodCommand::ThirdQuarter:
        return wholeMonths(year, 7, 9);
    case PeriodCommand::FourthQuarter:
        return wholeMonths(year, 10, 12);
    }
    return {now, now};
}

QString FavouritePeriods::Format(const QDate& start, const QDate& end) {
    return QString::asprintf("от %.2d.%.2d.%.4d до %.2d.%.2d.%.4d", start.day(), start.month(), start.year(),
                             end.day(), end.month(), end.year());
}

void FavouritePeriods::Store(int slot, const QDate& start, const QDate& end) {
    m_settings.SetUsrFavDate(slot, Format(start, end));
}

bool FavouritePeriods::IsFree(int slot) const {
    return m_settings.UsrFavDate(slot).isEmpty();
}

QString FavouritePeriods::Caption(int slot) const {
    static const char* const names[] = {"Предпочитан период #1", "Предпочитан период #2",
                                        "Предпочитан период #3", "Предпочитан период #4",
                                        "Предпочитан период #5"};
    const QString stored = m_settings.UsrFavDate(slot);
    return QString(names[slot - 1]) + ": " + (stored.isEmpty() ? QString("няма съхранена стойност") : stored);
}

std::optional<Period> FavouritePeriods::Apply(int slot) const {
    const QString stored = m_settings.UsrFavDate(slot);
    if (stored.isEmpty())
        return std::nullopt;
    const QDate start = QDate::fromString(stored.mid(3, 10), "dd.MM.yyyy");
    const QDate end = QDate::fromString(stored.mid(17, 10), "dd.MM.yyyy");
    if (!start.isValid() || !end.isValid())
        return std::nullopt;
    return Period{QDateTime(start, QTime(0, 0)), QDateTime(end, QTime(0, 0))};
}
