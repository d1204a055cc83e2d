#include "db/DatabaseCreator.h"

#include "base/AppInfo.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/DatabaseFile.h"
#include "db/ReportDbError.h"
#include "db/Schema.h"
#include "db/WriteTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr const char* kBrokenLink = "На мястото на базата данни %1 стои връзка към място, което не е "
                                    "достъпно.\nПроверете дали мрежовият ресурс "
                                    "е свързан. Нова база данни не беше създадена.";
constexpr const char* kCreationFailed =
    "Новата база данни не беше създадена и файлът ѝ беше премахнат.\nПроверете дали имате право на запис в "
    "директорията и дали на диска има свободно място.";

} // namespace

bool CreateSchema(Database& db) {
    WriteTransaction transaction(db);
    if (!transaction.Begin())
        return false;
    const SqlDialect& dialect = db.Dialect();
    if (const SqlStatement preamble = dialect.SchemaPreamble();
        !preamble.text.isEmpty() && !transaction.Exec(preamble))
        return false;
    const auto& tables = Schema::CreateTableStatements();
    for (size_t i = 0; i < tables.size(); ++i) {
        if (!transaction.Exec(dialect.CreateTable(tables[i])))
            return false;
        if (static_cast<int>(i) == Schema::kSettingsTable &&
            !transaction.ExecPrintf("INSERT INTO settings (key_name, key_value) VALUES('dbversion', ?)"
                                    " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;",
                                    AppInfo::kSchemaVersion))
            return false;
    }
    for (const char* index : Schema::CreateIndexStatements())
        if (!transaction.Exec(dialect.CreateIndex(index)))
            return false;
    return transaction.Commit();
}

CreationResult CreateDatabase(const QString& path, Connection& connection, Sleeper& sleeper,
                              Prompter& prompter, RetryPolicy policy) {
    // A link to a share that is not mounted stays as it is: a database
    // created beside it would hide the real one.
    if (InspectDatabaseFile(path) == DatabaseFileState::BrokenLink) {
        prompter.Message(QString(kBrokenLink).arg(path), MessageIcon::Stop);
        return CreationResult::Failed;
    }
    const QFileInfo target(path);
    QByteArray building = QFile::encodeName(target.dir().filePath("." + target.fileName() + ".XXXXXX"));
    const int fd = ::mkstemp(building.data());
    if (fd < 0) {
        DbResult cannotOpen{DbCode::kCantOpen, QByteArray("cannot create")};
        ReportDbError(prompter, cannotOpen);
        prompter.Message(kCreationFailed, MessageIcon::Stop);
        return CreationResult::Failed;
    }
    ::close(fd);
    const QString built = QFile::decodeName(building);
    DbResult opened = connection.Open(built, true);
    bool complete = opened.Ok();
    if (complete) {
        FixedConnectionSource source(connection);
        Database db(source, sleeper, prompter, policy);
        complete = CreateSchema(db);
    } else {
        ReportDbError(prompter, opened);
    }
    connection.Close();
    QFile::remove(built + "-journal");
    if (!complete) {
        QFile::remove(built);
        prompter.Message(kCreationFailed, MessageIcon::Stop);
        return CreationResult::Failed;
    }
    const PublishResult published = PublishDatabaseFile(built, path);
    if (published == PublishResult::Failed) {
        prompter.Message(kCreationFailed, MessageIcon::Stop);
        return CreationResult::Failed;
    }
    opened = connection.Open(path, false);
    if (opened.Failed()) {
        ReportDbError(prompter, opened);
        return CreationResult::Failed;
    }
    return published == PublishResult::Published ? CreationResult::Created : CreationResult::FoundExisting;
}

int CreateIndexes(Database& db) {
    int created = 0;
    for (const char* index : Schema::CreateIndexStatements())
        if (db.ExecWithRetry(db.Dialect().CreateIndex(index)).Ok())
            ++created;
    return created;
}
