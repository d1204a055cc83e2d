#include "db/FirmCopy.h"

#include "db/Connection.h"
#include "db/ResultTable.h"
#include "db/Schema.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

constexpr int kRowsPerRead = 5000;
constexpr int kValuesPerInsert = 2000;

QString failed(const char* what, const QString& table, const DbResult& result) {
    return QString("%1 %2: %3").arg(QString::fromUtf8(what), table, QString::fromUtf8(result.error));
}

// The tables of the program the connection's firm holds, in their order there.
std::optional<QStringList> programTables(Connection& connection, QString& error) {
    ResultTable listed;
    if (const DbResult read = connection.Query(connection.Dialect().ListTables(), listed); read.Failed()) {
        error = failed("Таблиците не могат да бъдат прочетени:", QString(), read);
        return std::nullopt;
    }
    QStringList tables;
    const int name = listed.Column("name");
    for (int r = 1; r <= listed.Rows(); ++r)
        tables << listed.Text(r, name);
    return tables;
}

// The columns declared NUMERIC in a definition: the amounts and quantities.
QStringList amountColumns(const char* definition) {
    static const QRegularExpression numeric(R"(\[?(\w+)\]?\s+NUMERIC\b)",
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList columns;
    for (auto it = numeric.globalMatch(QString::fromUtf8(definition)); it.hasNext();)
        columns << it.next().captured(1);
    return columns;
}

// "COUNT(*)" and each amount column's sum, as the engine shows them.
std::optional<QStringList> totals(Connection& connection, const QString& table, const QStringList& amounts,
                                  QString& error) {
    QByteArray sql = "SELECT COUNT(*) AS row_count";
    for (int k = 0; k < amounts.size(); ++k)
        sql += ", SUM(" + amounts[k].toUtf8() + ") AS sum_" + QByteArray::number(k);
    ResultTable result;
    if (const DbResult read = connection.Query(sql + " FROM " + table.toUtf8() + ";", result);
        read.Failed()) {
        error = failed("Сборовете не могат да бъдат прочетени:", table, read);
        return std::nullopt;
    }
    QStringList values;
    for (int k = 0; k < result.Columns(); ++k)
        values << result.Text(1, k, "0");
    return values;
}

// Two figures of one column agree when they differ by less than the
// smallest decimal the schema keeps (the engines add in different ways).
bool agree(const QString& a, const QString& b) {
    const double x = a.toDouble(), y = b.toDouble();
    return std::abs(x - y) <= 0.000005 + 1e-12 * std::max(std::abs(x), std::abs(y));
}

QString copyRows(Connection& source, Connection& target, const QString& table, const WorkProgress& progress,
                 long long& copied, long long total) {
    const QByteArray row = source.Dialect().RowId().text;
    const QByteArray name = table.toUtf8();
    QByteArray last;
    QString error;
    for (bool first = true;; first = false) {
        ResultTable rows;
        const SqlStatement read =
            first ? SqlStatement("SELECT " + row + " AS tarvo_row, * FROM " + name + " ORDER BY " + row +
                                 " LIMIT " + QByteArray::number(kRowsPerRead) + ";")
                  : SqlStatement("SELECT " + row + " AS tarvo_row, * FROM " + name + " WHERE " + row +
                                     " > ? ORDER BY " + row + " LIMIT " + QByteArray::number(kRowsPerRead) +
                                     ";",
                                 {SqlValue(last)});
        if (const DbResult result = source.Query(read, rows); result.Failed())
            return failed("Редовете не могат да бъдат прочетени:", table, result);
        if (rows.Empty())
            return QString();
        const int columns = rows.Columns() - 1;
        QByteArray names;
        for (int k = 1; k <= columns; ++k)
            names += (k > 1 ? ", " : "") + QByteArray(rows.Cell(0, k));
        const int perInsert = std::max(1, kValuesPerInsert / columns);
        for (int from = 1; from <= rows.Rows(); from += perInsert) {
            const int to = std::min(rows.Rows(), from + perInsert - 1);
            SqlStatement insert("INSERT INTO " + name + " (" + names + ") VALUES ");
            for (int r = from; r <= to; ++r) {
                insert.text += r > from ? ", (" : "(";
                for (int k = 1; k <= columns; ++k) {
                    insert.text += k > 1 ? ", ?" : "?";
                    const char* cell = rows.Cell(r, k);
                    insert.values.push_back(cell ? SqlValue(QByteArray(cell)) : SqlValue());
                }
                insert.text += ")";
            }
            if (const DbResult written = target.Exec(insert + ";"); written.Failed())
                return failed("Редовете не могат да бъдат записани:", table, written);
        }
        copied += rows.Rows();
        if (progress && total > 0)
            progress(static_cast<int>(5 + 85 * copied / total));
        last = QByteArray(rows.Cell(rows.Rows(), 0));
        if (rows.Rows() < kRowsPerRead)
            return QString();
    }
}

QString copyAll(Connection& source, Connection& target, const WorkProgress& progress, bool replace) {
    QString error;
    const std::optional<QStringList> existing = programTables(target, error);
    if (!existing)
        return error;
    if (!existing->isEmpty() && !replace)
        return "Целта не е празна: в нея вече има таблици. Фирмата не беше копирана.";
    for (const QString& table : *existing)
        if (Schema::DefinitionOf(table))
            if (const DbResult dropped = target.Exec("DROP TABLE " + table.toUtf8() + ";"); dropped.Failed())
                return failed("Таблицата не може да бъде заменена:", table, dropped);
    const std::optional<QStringList> listed = programTables(source, error);
    if (!listed)
        return error;
    QStringList tables;
    for (const QString& table : *listed)
        if (Schema::DefinitionOf(table))
            tables << table;
    long long total = 0;
    std::vector<QStringList> before;
    for (const QString& table : tables) {
        const std::optional<QStringList> counted =
            totals(source, table, amountColumns(Schema::DefinitionOf(table)), error);
        if (!counted)
            return error;
        before.push_back(*counted);
        total += counted->value(0).toLongLong();
    }
    const SqlDialect& dialect = target.Dialect();
    if (const SqlStatement preamble = dialect.SchemaPreamble(); !preamble.text.isEmpty())
        if (const DbResult made = target.Exec(preamble); made.Failed())
            return failed("Базата данни не може да бъде подготвена:", QString(), made);
    long long copied = 0;
    for (const QString& table : tables) {
        if (const DbResult made = target.Exec(dialect.CreateTable(Schema::DefinitionOf(table)));
            made.Failed())
            return failed("Таблицата не може да бъде създадена:", table, made);
        if (const QString copiedError = copyRows(source, target, table, progress, copied, total);
            !copiedError.isEmpty())
            return copiedError;
    }
    for (const char* index : Schema::CreateIndexStatements())
        if (const DbResult made = target.Exec(dialect.CreateIndex(index)); made.Failed())
            return failed("Индексът не може да бъде създаден:", QString::fromUtf8(index), made);
    // Every row and every amount arrived.
    for (qsizetype k = 0; k < tables.size(); ++k) {
        const QStringList amounts = amountColumns(Schema::DefinitionOf(tables[k]));
        const std::optional<QStringList> after = totals(target, tables[k], amounts, error);
        if (!after)
            return error;
        for (int c = 0; c < after->size(); ++c)
            if (c == 0 ? after->value(0) != before[static_cast<size_t>(k)].value(0)
                       : !agree(after->value(c), before[static_cast<size_t>(k)].value(c)))
                return QString(
                           "Копието на таблицата %1 не съвпада с източника (%2: %3 вместо %4). Фирмата не "
                           "беше копирана.")
                    .arg(tables[k], c == 0 ? QString("брой редове") : amounts[c - 1], after->value(c),
                         before[static_cast<size_t>(k)].value(c));
    }
    if (progress)
        progress(100);
    return QString();
}

} // namespace

QString CopyFirm(Connection& source, Connection& target, const WorkProgress& progress, bool replace) {
    if (const DbResult begun = source.Exec(source.Dialect().BeginSnapshot()); begun.Failed())
        return failed("Източникът не може да бъде прочетен:", QString(), begun);
    if (const DbResult begun = target.Begin(); begun.Failed()) {
        source.Exec("ROLLBACK;");
        return failed("Целта не може да бъде записана:", QString(), begun);
    }
    const QString error = copyAll(source, target, progress, replace);
    source.Exec("ROLLBACK;");
    if (!error.isEmpty()) {
        target.Exec("ROLLBACK;");
        return error;
    }
    if (const DbResult committed = target.Commit(); committed.Failed())
        return failed("Копието не може да бъде записано:", QString(), committed);
    return QString();
}
