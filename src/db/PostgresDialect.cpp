#include "db/SqlDialect.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The key of the one lock every change of a firm takes; the locks of one
// database are its own, so one key serves every firm on a server.
constexpr const char* kBeginWrite = "BEGIN; SELECT pg_advisory_xact_lock(1414680918);";

QString withoutBrackets(QString text) {
    static const QRegularExpression bracketed(R"(\[([^\]]+)\])");
    return text.replace(bracketed, "\\1");
}

// The parts of a definition split at its commas outside parentheses.
QStringList topLevelParts(const QString& body) {
    QStringList parts;
    int depth = 0;
    QString current;
    for (const QChar c : body) {
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        if (c == ',' && depth == 0) {
            parts << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        parts << current.trimmed();
    return parts;
}

// A column's type in the server's words: every figure exact (NUMERIC without
// a limit, as the file keeps any figure a NUMERIC column is given), texts of
// any length compared byte by byte as in the file, dates as the text they are
// stored as, flags as the 0 and 1 the program writes.
QString serverType(const QString& type) {
    const QString t = type.toUpper();
    if (t == "TEXT_VALUE")
        return "TEXT COLLATE \"C\"";
    if (t.startsWith("VARCHAR") || t == "MEMO" || t == "TEXT" || t == "DATETIME" || t == "DATE")
        return "TEXT COLLATE \"C\"";
    if (t.startsWith("NUMERIC") || t.startsWith("DECIMAL"))
        return "NUMERIC";
    if (t == "BOOLEAN")
        return "SMALLINT";
    if (t == "REAL" || t == "DOUBLE" || t == "FLOAT")
        return "DOUBLE PRECISION";
    if (t == "BLOB")
        return "BYTEA";
    return "INTEGER";
}

class Postgres : public SqlDialect {
public:
    SqlStatement CountTables(const QString& table) const override {
        return SqlCompose(
            "SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema() "
            "AND table_name = ?;",
            {table});
    }
    SqlStatement ListTables() const override {
        return "SELECT c.relname AS name FROM pg_class AS c JOIN pg_namespace AS n ON n.oid = c.relnamespace "
               "WHERE n.nspname = current_schema() AND c.relkind = 'r' ORDER BY c.oid;";
    }
    SqlStatement CountColumns(const QString& table, const QString& column) const override {
        return SqlCompose(
            "SELECT COUNT(*) FROM information_schema.columns WHERE table_schema = current_schema() "
            "AND table_name = ? AND column_name = ?;",
            {table, column});
    }
    // Compared as the Unicode default folds case, whatever the database's
    // own locale; a backslash the clerk types is a backslash.
    SqlStatement LikeCondition(const char* column) const override {
        return SqlStatement(QByteArray(column) + " COLLATE \"und-x-icu\" ILIKE ? ESCAPE ''");
    }
    SqlStatement Compact() const override { return "VACUUM;"; }
    SqlStatement RowId() const override { return "ctid"; }
    SqlStatement BeginWrite() const override { return kBeginWrite; }
    SqlStatement SchemaPreamble() const override { return SqlStatement(); }
    SqlStatement BeginSnapshot() const override { return "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY;"; }
    SqlStatement OtherSeats() const override {
        return "SELECT COUNT(*) AS seats FROM pg_stat_activity WHERE datname = current_database() AND pid <> "
               "pg_backend_pid() AND application_name = 'Tarvo';";
    }
    // A text column keeps any text as it is.
    SqlStatement VerbatimText(const QString& text) const override { return SqlCompose("?", {text}); }

    SqlStatement CreateIndex(const QByteArray& definition) const override {
        return withoutBrackets(QString::fromUtf8(definition)).toUtf8();
    }

    SqlStatement CreateTable(const QByteArray& definition) const override {
        const QString text = withoutBrackets(QString::fromUtf8(definition)).trimmed();
        static const QRegularExpression head(R"(^CREATE TABLE (IF NOT EXISTS )?(\w+)\s*\((.*)\)\s*;?$)",
                                             QRegularExpression::CaseInsensitiveOption |
                                                 QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = head.match(text);
        if (!match.hasMatch())
            return definition;
        const QString table = match.captured(2);
        QStringList columns;
        QStringList integerColumns;
        QStringList numbers; // the amounts and quantities
        QString counted; // the whole-number key that counts up by itself
        static const QRegularExpression columnPart(R"(^(\w+)\s+([A-Za-z]+(\s*\([^)]*\))?)(.*)$)",
                                                   QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression keyPart(R"(^PRIMARY KEY\s*\(\s*(\w+)\s*\)$)",
                                                QRegularExpression::CaseInsensitiveOption);
        for (const QString& part : topLevelParts(match.captured(3))) {
            if (const QRegularExpressionMatch key = keyPart.match(part); key.hasMatch()) {
                if (integerColumns.contains(key.captured(1)))
                    counted = key.captured(1);
                columns << part;
                continue;
            }
            const QRegularExpressionMatch column = columnPart.match(part);
            if (!column.hasMatch()) {
                columns << part;
                continue;
            }
            // The file keeps texts among the firm's settings too (its currency).
            const QString type = table == "settings" && column.captured(1) == "key_value"
                                     ? QString("TEXT_VALUE")
                                     : column.captured(2).simplified();
            QString rest = column.captured(4);
            const bool integer = serverType(type) == "INTEGER";
            if (integer)
                integerColumns << column.captured(1);
            if (serverType(type) == "NUMERIC")
                numbers << column.captured(1);
            if (rest.contains("PRIMARY KEY", Qt::CaseInsensitive)) {
                rest.replace(QRegularExpression(R"(\s+UNIQUE\b)", QRegularExpression::CaseInsensitiveOption),
                             "");
                if (integer)
                    counted = column.captured(1);
            }
            columns << column.captured(1) + " " + serverType(type) + rest;
        }
        QString statement = "CREATE TABLE " + match.captured(1) + table + " (" + columns.join(", ") + ");";
        // Each row as the file stores it: a whole-number key not given is the
        // highest stored + 1 (the file's row id), and a figure keeps no
        // trailing zeros (the file keeps 2.000 as 2 and 2.50 as 2.5), so every
        // figure reads and adds up as it does in the file.
        if (counted.isEmpty() && numbers.isEmpty())
            return statement.toUtf8();
        QString body;
        if (!counted.isEmpty())
            body += QString("IF NEW.%1 IS NULL THEN SELECT COALESCE(MAX(%1), 0) + 1 INTO NEW.%1 FROM %2; END IF; ")
                        .arg(counted, table);
        for (const QString& number : numbers)
            body += QString("NEW.%1 := trim_scale(NEW.%1); ").arg(number);
        statement += QString(" CREATE OR REPLACE FUNCTION tarvo_%1_row() RETURNS trigger LANGUAGE plpgsql AS "
                             "$body$ BEGIN %2RETURN NEW; END $body$; CREATE OR REPLACE TRIGGER %1_row BEFORE "
                             "INSERT OR UPDATE ON %1 FOR EACH ROW EXECUTE FUNCTION tarvo_%1_row();")
                         .arg(table, body);
        return statement.toUtf8();
    }
};

} // namespace

const SqlDialect& PostgresDialect() {
    static const Postgres dialect;
    return dialect;
}
