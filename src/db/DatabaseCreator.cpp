#include "db/DatabaseCreator.h"

#include "base/AppInfo.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/ReportDbError.h"
#include "db/Schema.h"
#include "db/WriteTransaction.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr const char* kCreationFailed =
    "Новата база данни не беше създадена и файлът ѝ беше премахнат.\nПроверете дали имате право на запис в "
    "директорията и дали на диска има свободно място.";

bool createSchema(Database& db) {
    WriteTransaction transaction(db);
    if (!transaction.Begin())
        return false;
    const auto& tables = Schema::CreateTableStatements();
    for (size_t i = 0; i < tables.size(); ++i) {
        if (!transaction.Exec(tables[i]))
            return false;
        if (static_cast<int>(i) == Schema::kSettingsTable &&
            !transaction.ExecPrintf("REPLACE INTO [settings] VALUES('dbversion', '%d');",
                                    AppInfo::kSchemaVersion))
            return false;
    }
    for (const char* index : Schema::CreateIndexStatements())
        if (!transaction.Exec(index))
            return false;
    return transaction.Commit();
}

} // namespace

bool CreateDatabase(const QString& path, Connection& connection, Sleeper& sleeper, Prompter& prompter,
                    RetryPolicy policy) {
    const bool existedBefore = QFileInfo::exists(path);
    DbResult opened = connection.Open(path, true);
    bool created = opened.Ok();
    if (created) {
        FixedConnectionSource source(connection.Handle());
        Database db(source, sleeper, prompter, policy);
        created = createSchema(db);
    } else {
        ReportDbError(prompter, opened);
    }
    if (created)
        return true;
    connection.Close();
    if (!existedBefore) {
        QFile::remove(path);
        QFile::remove(path + "-journal");
    }
    prompter.Message(kCreationFailed, MessageIcon::Stop);
    return false;
}

int CreateIndexes(Database& db) {
    int created = 0;
    for (const char* index : Schema::CreateIndexStatements())
        if (db.ExecWithRetry(index).Ok())
            ++created;
    return created;
}
