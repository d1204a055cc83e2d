#include "app/ArchiveCommands.h"

#include "base/AppInfo.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "base/Sleeper.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "db/DatabaseArchive.h"
#include "db/DatabaseFile.h"
#include "db/DbSettings.h"
#include "db/FirmLocation.h"
#include "db/ReportDbError.h"
#include "db/SchemaVersion.h"
#include "settings/LocalSettings.h"

#include <QDir>
#include <cstdio>

namespace {
// The database of DIR, or empty after telling why there is none.
QString databaseIn(const QString& directory, Prompter& prompter) {
    const QDir dir(directory);
    if (!dir.exists()) {
        prompter.Message(QString("Директорията %1 не съществува.").arg(directory), MessageIcon::Stop);
        return QString();
    }
    return QDir::cleanPath(dir.absoluteFilePath(AppInfo::kDatabaseFileName));
}

} // namespace

void PrintLine(const QString& text) {
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

QString OpenDatabaseOf(const QString& directory, Prompter& prompter, Connection& connection) {
    if (IsServerLocation(directory)) {
        DbResult opened = connection.Open(directory, false);
        if (opened.Failed()) {
            ReportDbError(prompter, opened);
            return QString();
        }
        return WithoutPassword(directory);
    }
    const QString path = databaseIn(directory, prompter);
    if (path.isEmpty())
        return QString();
    if (InspectDatabaseFile(path) != DatabaseFileState::Present) {
        prompter.Message(QString("В директорията няма база данни: %1").arg(path), MessageIcon::Stop);
        return QString();
    }
    if (DbResult opened = connection.Open(path, false); opened.Failed()) {
        prompter.Message(QString("Базата данни %1 не може да бъде отворена: %2")
                             .arg(path, QString::fromUtf8(opened.error)),
                         MessageIcon::Stop);
        return QString();
    }
    return path;
}

QString OpenCurrentDatabaseOf(const QString& directory, Prompter& prompter, Connection& connection) {
    const QString path = OpenDatabaseOf(directory, prompter, connection);
    if (path.isEmpty())
        return path;
    // Another seat's save keeps the file busy for a moment: the check waits
    // for it like every statement, instead of reporting the file unavailable.
    ThreadSleeper sleeper;
    FixedConnectionSource source(connection);
    Database db(source, sleeper, prompter);
    DbResult failure;
    const int version = SchemaVersionOf(
        [&db](const QByteArray& sql, ResultTable& table) { return db.QueryWithRetry(sql, table); }, failure);
    if (version == AppInfo::kSchemaVersion)
        return path;
    if (version == kSchemaVersionBusy)
        ReportDbError(prompter, failure);
    else
        prompter.Message(SchemaVersionProblem(version), MessageIcon::Stop);
    connection.Close();
    return QString();
}

int RunBackupCommand(const QString& directory, LocalSettings& settings, const Clock& clock,
                     Prompter& prompter, Sleeper& sleeper) {
    Connection connection;
    const QString path = OpenDatabaseOf(directory, prompter, connection);
    if (path.isEmpty())
        return 1;
    // Any format of the program is archived as it is; another program's
    // file is refused before anything is written. Other seats may be
    // writing: every read waits for them with the busy retry.
    FixedConnectionSource source(connection);
    Database db(source, sleeper, prompter);
    DbResult failure;
    const int version = SchemaVersionOf(
        [&db](const QByteArray& sql, ResultTable& table) { return db.QueryWithRetry(sql, table); }, failure);
    if (version == kSchemaVersionBusy) {
        ReportDbError(prompter, failure);
        return 1;
    }
    if (version < 1 || version > AppInfo::kSchemaVersion) {
        prompter.Message(SchemaVersionProblem(version) + "\nАрхивно копие не беше създадено.",
                         MessageIcon::Stop);
        return 1;
    }
    const QDateTime now = clock.Now();
    QString archive;
    const QString error = ArchiveDatabase(
        connection, ArchiveFileName(ArchiveDirectoryOf(settings.BackupDir(), path), now), nullptr, &archive);
    if (!error.isEmpty()) {
        prompter.Message("Архивното копие не беше създадено.\n" + error, MessageIcon::Stop);
        return 1;
    }
    // The day of the archive has its place in the settings of format 9 on.
    const bool hasPlace = db.HasColumn("settings", "key_name").value_or(false);
    if (hasPlace && !DbSettings(db).SetArchiveLastTime(now.date()))
        return 1;
    PrintLine(archive);
    return 0;
}

int RunRestoreCommand(const QString& archive, const QString& directory, Prompter& prompter) {
    const QString path = IsServerLocation(directory) ? directory : databaseIn(directory, prompter);
    if (path.isEmpty())
        return 1;
    const QString error = RestoreDatabase(
        archive, path, [] {}, nullptr);
    if (!error.isEmpty()) {
        prompter.Message("Базата данни не беше възстановена; данните не са променени.\n" + error,
                         MessageIcon::Stop);
        return 1;
    }
    PrintLine(QString("Базата данни %1 беше възстановена от файла %2.").arg(WithoutPassword(path), archive));
    return 0;
}
