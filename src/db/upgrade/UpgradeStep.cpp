#include "db/upgrade/UpgradeStep.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/ReportDbError.h"
#include "db/Schema.h"
#include "db/upgrade/TableLayouts.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

UpgradeStep::UpgradeStep(UpgradeContext& context, int version)
    : m_context(context), m_version(version), m_transaction(context.db) {}

bool UpgradeStep::Fail(const QString& sql, const QByteArray& error) {
    if (!m_ok)
        return false;
    m_ok = false;
    const QString outcome =
        m_context.buildingFromDump
            ? QString("Преструктурирането до формат %1 беше прекъснато; дъмпът не беше внесен и не е "
                      "създаден файл.")
                  .arg(m_version)
            : QString("Преструктурирането до формат %1 беше прекъснато; базата данни остава във формат "
                      "%2.")
                  .arg(m_version)
                  .arg(m_version - 1);
    m_transaction.Defer(outcome + QString("\n\nНеуспешна заявка:\n%1\n\n%2").arg(sql, QString::fromUtf8(error)),
                        MessageIcon::Stop);
    m_transaction.Rollback();
    return false;
}

bool UpgradeStep::Exec(const SqlStatement& sql) {
    if (!Ok())
        return false;
    DbResult result = m_context.db.ExecWithRetry(sql);
    return result.Ok() || Fail(QString::fromUtf8(sql.text), DbErrorText(result).toUtf8());
}

bool UpgradeStep::Query(const SqlStatement& sql, ResultTable& table) {
    if (!Ok())
        return false;
    DbResult result = m_context.db.QueryWithRetry(sql, table);
    return result.Ok() || Fail(QString::fromUtf8(sql.text), DbErrorText(result).toUtf8());
}

bool UpgradeStep::Create(const QString& table, int layoutVersion) {
    const std::optional<QString> create = TableLayouts::CreateStatement(table, layoutVersion);
    return create ? Exec(*create) : Fail("CREATE TABLE " + table, "no layout");
}

bool UpgradeStep::Rebuild(const QString& table, int layoutVersion) {
    ResultTable old;
    if (!Query(QString("PRAGMA table_info([%1]);").arg(table), old))
        return false;
    QStringList oldColumns;
    for (int r = 1; r <= old.Rows(); ++r)
        oldColumns << old.Text(r, old.Column("name"));
    const QString temporary = table + "_tmp";
    if (!Exec(QString("CREATE TEMPORARY TABLE [%1] AS SELECT * FROM [%2];").arg(temporary, table)) ||
        !Exec(QString("DROP TABLE [%1];").arg(table)) || !Create(table, layoutVersion))
        return false;
    ResultTable fresh;
    if (!Query(QString("PRAGMA table_info([%1]);").arg(table), fresh))
        return false;
    // Shared columns are copied; a new column that may not be NULL and has
    // no default (the Latin names of the firm) starts empty.
    QStringList targets, sources;
    for (int r = 1; r <= fresh.Rows(); ++r) {
        const QString column = fresh.Text(r, fresh.Column("name"));
        const bool required =
            fresh.Int(r, fresh.Column("notnull")) != 0 && fresh.IsNull(r, fresh.Column("dflt_value"));
        if (!oldColumns.contains(column) && !required)
            continue;
        targets << "[" + column + "]";
        sources << (oldColumns.contains(column) ? "[" + column + "]" : QString("''"));
    }
    return Exec(QString("INSERT INTO [%1] (%2) SELECT %3 FROM [%4];")
                    .arg(table, targets.join(", "), sources.join(", "), temporary)) &&
           Exec(QString("DROP TABLE [%1];").arg(temporary));
}

bool UpgradeStep::Indexes(const QString& table, std::initializer_list<const char*> indexes) {
    for (const char* entry : indexes) {
        QString index = QString::fromUtf8(entry);
        const bool unique = index.startsWith('!');
        if (unique)
            index.remove(0, 1);
        const QString name = index.section(':', 0, 0);
        const QString column = index.section(':', 1);
        if (unique && !ResolveDuplicates(table, column))
            return false;
        if (!Exec(QString("CREATE %1INDEX IF NOT EXISTS %2 ON [%3] (%4);")
                      .arg(unique ? "UNIQUE " : "", name, table, column)))
            return false;
    }
    return true;
}

bool UpgradeStep::ResolveDuplicates(const QString& table, const QString& column) {
    ResultTable repeated;
    if (!Query(QString("SELECT [%2] AS value, COUNT(*) AS copies FROM [%1] WHERE [%2] IS NOT NULL GROUP BY [%2] HAVING "
                       "COUNT(*) > 1;")
                   .arg(table, column),
               repeated))
        return false;
    if (repeated.Empty())
        return true;
    QStringList values;
    for (int r = 1; r <= repeated.Rows() && r <= 20; ++r)
        values << QString("\"%1\" (%2 пъти)").arg(repeated.Text(r, 0, "NULL")).arg(repeated.Int(r, 1));
    if (repeated.Rows() > 20)
        values << QString("и още %1").arg(repeated.Rows() - 20);
    if (m_context.prompter.AskYesNo(
            QString("В таблица %1 има повтарящи се стойности в колона %2: %3. Преструктурирането до формат %4 "
                    "изисква те да са различни.\n\nДа получат ли по-късните редове свободни стойности? Нито един "
                    "ред не се губи; списъкът на промените се записва във файл до базата данни.")
                .arg(table, column, values.join(", "))
                .arg(m_version),
            MessageIcon::Question) != Answer::Yes)
        return Fail(QString("CREATE UNIQUE INDEX ON %1 (%2)").arg(table, column),
                    "повтарящи се стойности; отговорът беше 'Не'");
    ResultTable later;
    if (!Query(QString("SELECT rowid AS row_id, [%2] AS value, typeof([%2]) AS kind FROM [%1] AS t WHERE [%2] IS NOT "
                       "NULL AND rowid > (SELECT MIN(rowid) FROM [%1] AS f WHERE f.[%2] = t.[%2]) ORDER BY rowid;")
                   .arg(table, column),
               later))
        return false;
    QStringList changes;
    for (int r = 1; r <= later.Rows(); ++r) {
        const QString old = later.Text(r, 1, "");
        QString fresh;
        if (later.Text(r, 2) == "integer") {
            ResultTable top;
            if (!Query(QString("SELECT MAX([%2]) + 1 AS free FROM [%1];").arg(table, column), top))
                return false;
            fresh = top.Text(1, 0, "1");
        } else {
            for (int n = 2; fresh.isEmpty(); ++n) {
                ResultTable taken;
                const QString candidate = QString("%1-%2").arg(old).arg(n);
                if (!Query(SqlCompose(QString("SELECT COUNT(*) AS taken FROM [%1] WHERE [%2] = ?;")
                                          .arg(table, column)
                                          .toUtf8()
                                          .constData(),
                                      {candidate}),
                           taken))
                    return false;
                if (taken.Int(1, 0) == 0)
                    fresh = candidate;
            }
        }
        if (!Exec(SqlCompose(
                QString("UPDATE [%1] SET [%2] = ? WHERE rowid = ?;").arg(table, column).toUtf8().constData(),
                {fresh, later.Int64(r, 0)})))
            return false;
        changes << QString("%1.%2: \"%3\" -> \"%4\"").arg(table, column, old, fresh);
    }
    const QString listed = WriteChangeList(changes);
    m_transaction.Defer(QString("Повтарящите се стойности в %1.%2 получиха нови: %3%4")
                            .arg(table, column, changes.mid(0, 10).join("; "))
                            .arg(listed.isEmpty() ? QString() : "\nПълният списък е във файла " + listed),
                        MessageIcon::Information);
    return true;
}

QString UpgradeStep::WriteChangeList(const QStringList& changes) {
    ResultTable files;
    if (!Query("PRAGMA database_list;", files))
        return QString();
    const QString database = files.Text(1, 2, "");
    if (database.isEmpty())
        return QString();
    const QString path = QFileInfo(database).absolutePath() + "/tarvo-upgrade-duplicates.txt";
    QFile list(path);
    if (!list.open(QIODevice::Append | QIODevice::Text))
        return QString();
    list.write((changes.join("\n") + "\n").toUtf8());
    return path;
}

bool UpgradeStep::RenewIndexes() {
    ResultTable names;
    if (!Query(
            "SELECT name FROM (SELECT * FROM sqlite_master UNION ALL SELECT * FROM sqlite_temp_master) WHERE "
            "TYPE='index' AND NAME LIKE 'idx%';",
            names))
        return false;
    for (int r = 1; r <= names.Rows(); ++r)
        if (!Exec(QString("DROP INDEX %1;").arg(names.Text(r, 0))))
            return false;
    // Today's indexes of the tables this format has; a table that a later
    // step creates gets its index there.
    for (const char* index : Schema::CreateIndexStatements()) {
        const QString statement = QString::fromUtf8(index);
        const QString table = statement.section("ON [", 1).section(']', 0, 0);
        ResultTable exists;
        if (!Query(QString("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '%1';").arg(table),
                   exists))
            return false;
        if (!exists.Empty() && !Exec(statement))
            return false;
    }
    return true;
}

bool UpgradeStep::Commit() {
    // The version table of a first-format file may be empty: its one row is
    // written afresh rather than updated.
    const bool written =
        m_version <= 8
            ? Exec("DELETE FROM version;") && ExecPrintf("INSERT INTO version VALUES(?);", m_version)
            : ExecPrintf("REPLACE INTO settings VALUES('dbversion', ?);", m_version);
    return written && Ok() && m_transaction.Commit();
}

void UpgradeStep::Announce() {
    m_context.prompter.Message(
        QString::asprintf("Вашата база данни беше актуализирана успешно към формат %d.", m_version),
        MessageIcon::Information);
}
