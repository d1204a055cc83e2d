#include "db/SchemaVersion.h"

#include "base/AppInfo.h"
#include "db/Database.h"

int SchemaVersionOf(const SchemaQuery& query, DbResult& failure) {
    ResultTable table;
    // A file older than version 9 has no settings row: not an error here.
    failure = query("SELECT key_value FROM settings WHERE key_name = 'dbversion';", table);
    if (failure.Ok() && !table.Empty())
        return table.Int(1, 0, 14);
    if (failure.code == DbCode::kBusy)
        return kSchemaVersionBusy;
    failure = query("SELECT * FROM version;", table);
    if (failure.Failed())
        return 0;
    if (!table.Empty())
        return table.Int(1, 0, 14);
    // An empty version table marks a file of the first format.
    return 1;
}

int GetSchemaVersion(Database& db) {
    DbResult failure;
    const int version = SchemaVersionOf(
        [&db](const QByteArray& sql, ResultTable& table) { return db.QueryWithRetry(sql, table); }, failure);
    // A busy file is reported as busy after one retry period, not two.
    if (version <= 0)
        db.ReportDbError(failure);
    return version;
}

QString SchemaVersionProblem(int version) {
    if (version == AppInfo::kSchemaVersion)
        return QString();
    if (version <= 0 || version > AppInfo::kSchemaVersion)
        return "Версията на тази база данни е несъвместима с версията на TARVO!";
    return QString("Тази база данни е записана от по-стара версия на TARVO (формат %1).\nОтворете я веднъж "
                   "с програмата (tarvo ДИРЕКТОРИЯ), която ще я преструктурира до формат %2. Файлът не е "
                   "променен.")
        .arg(version)
        .arg(AppInfo::kSchemaVersion);
}
