#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates are stored as YYYY-MM-DD text (compared as text) and shown as
// DD.MM.YYYY. A part of an invalid date is written as -1.

// YYYY-MM-DD of a calendar date.
QString DateToSql(const QDate& date);
// DD.MM.YYYY of a stored YYYY-MM-DD text.
QString SqlToDisplayDate(const QString& stored);
// DD.MM.YYYY of a calendar date; empty when it is invalid.
QString DisplayDate(const QDate& date);
// The calendar date of a stored YYYY-MM-DD text; invalid when it is not one.
QDate SqlToDate(const QString& stored);

enum class DateFormat {
    Display = 0,   // DD.MM.YYYY
    Timestamp = 1, // YYYYMMDDhhmmss, used in archive file names
};
QString FormatDate(const QDateTime& moment, DateFormat mode);
