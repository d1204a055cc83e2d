#pragma once

#include "trade/DocumentKind.h"

#include <QDate>
#include <QString>
#include <functional>
#include <set>

class Database;
class Prompter;

// What the closing dialog asks for.
struct ClosingRequest {
    enum class Mode { All, UpTo, Period };
    Mode mode = Mode::All;
    QDate upTo;
    QDate from;
    QDate to;
    std::set<DocumentKind> kinds; // those with a line in the dialog
    bool archiveFirst = false;
};

// "Изтриване на документи по типове и периоди ...": removes whole kinds of
// documents for a period in one change. Stock quantities never change.
class PeriodClosing {
public:
    // makeArchive makes the archive copy of the start-up reminder; true when
    // it was made.
    PeriodClosing(Database& db, Prompter& prompter, std::function<bool()> makeArchive)
        : m_db(db), m_prompter(prompter), m_makeArchive(std::move(makeArchive)) {}

    // The dialog's OK: the checks, the question, the archive and the
    // deletion with its message. False while the dialog should stay open.
    bool Confirm(const ClosingRequest& request);

    // The deletion alone, in one change; false when it failed (nothing was
    // removed).
    bool Delete(const ClosingRequest& request);

private:
    Database& m_db;
    Prompter& m_prompter;
    std::function<bool()> m_makeArchive;
};
