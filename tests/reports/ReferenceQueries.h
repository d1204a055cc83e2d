#pragma once

#include "db/Database.h"
#include "db/ResultTable.h"
#include "db/SqlStatement.h"
#include "format/Rounding.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include <gtest/gtest.h>

// The reference side of the reports' tests: the description's statements,
// formatted and read one at a time.
template <typename... Args> SqlStatement sql(const char* format, const Args&... args) {
    return SqlCompose(format, {SqlArg(args)...});
}

// Runs the statement with its case-blind "column LIKE ?" in the engine's words.
inline ResultTable ReadAll(Database& db, SqlStatement statement) {
    static const QRegularExpression like(R"(([\w.]+) LIKE \?)");
    const QString text = QString::fromUtf8(statement.text);
    QString spoken;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : like.globalMatch(text)) {
        spoken += text.mid(done, m.capturedStart() - done) +
                  QString::fromUtf8(db.Dialect().LikeCondition(m.captured(1).toUtf8().constData()).text);
        done = m.capturedEnd();
    }
    statement.text = (spoken + text.mid(done)).toUtf8();
    ResultTable table;
    EXPECT_TRUE(db.QueryWithRetry(statement, table).Ok()) << statement.text.toStdString();
    return table;
}

// A month grid's cell as a bookkeeper expects it: to the cent, halves up,
// "-" for what shows as nothing; and a row's "общо", the sum of its shown
// cells.
inline QString GridCents(long long cents) {
    return QString::asprintf("%.2f", static_cast<double>(cents) / 100);
}
inline long long GridCellCents(const QString& cell) {
    return cell == "-" ? 0 : std::llround(cell.toDouble() * 100);
}
inline QString GridCell(double value) {
    const long long cents = std::llround(RoundHalfUp(value, 2) * 100);
    return cents == 0 ? QString("-") : GridCents(cents);
}
inline QString GridTotal(const QStringList& cells) {
    long long total = 0;
    for (const QString& cell : cells)
        total += GridCellCents(cell);
    return GridCents(total);
}
