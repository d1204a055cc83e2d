#include "format/SqlDates.h"

namespace {
struct Parts {
    int year = -1, month = -1, day = -1;
};

Parts partsOf(const QDate& date) {
    if (!date.isValid())
        return {};
    return {date.year(), date.month(), date.day()};
}
} // namespace

QString DateToSql(const QDate& date) {
    const Parts p = partsOf(date);
    return QString::asprintf("%.4d-%.2d-%.2d", p.year, p.month, p.day);
}

QString SqlToDisplayDate(const QString& stored) {
    return stored.right(2) + "." + stored.mid(5, 2) + "." + stored.left(4);
}

QString DisplayDate(const QDate& date) {
    return date.isValid() ? date.toString("dd.MM.yyyy") : QString();
}

QDate SqlToDate(const QString& stored) {
    if (stored.size() != 10 || stored[4] != '-' || stored[7] != '-')
        return {};
    return QDate(stored.left(4).toInt(), stored.mid(5, 2).toInt(), stored.right(2).toInt());
}

QString FormatDate(const QDateTime& moment, DateFormat mode) {
    const Parts p = partsOf(moment.date());
    if (mode == DateFormat::Display)
        return QString::asprintf("%.2d.%.2d.%.4d", p.day, p.month, p.year);
    const QTime time = moment.time().isValid() ? moment.time() : QTime(0, 0);
    return QString::asprintf("%.4d%.2d%.2d%.2d%.2d%.2d", p.year, p.month, p.day, time.hour(), time.minute(),
                             time.second());
}
