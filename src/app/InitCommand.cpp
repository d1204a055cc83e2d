#include "app/InitCommand.h"

#include "base/AppInfo.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/DatabaseCreator.h"
#include "db/DatabaseFile.h"
#include "db/FirmLocation.h"
#include "db/ReportDbError.h"
#include "db/ResultTable.h"

#include <QDir>
#include <cstdio>

namespace {
// A firm on a server: the schema in an empty database, in one change.
int initServer(const QString& location, Prompter& prompter, Sleeper& sleeper) {
    Connection connection;
    DbResult opened = connection.Open(location, false);
    if (opened.Failed()) {
        ReportDbError(prompter, opened);
        return 1;
    }
    FixedConnectionSource source(connection);
    Database db(source, sleeper, prompter);
    ResultTable tables;
    if (!db.Query(tables, db.Dialect().ListTables()))
        return 1;
    if (!tables.Empty()) {
        prompter.Message(
            QString("Базата данни %1 не е празна (в нея има таблици).\nНова фирма не беше създадена.")
                .arg(WithoutPassword(location)),
            MessageIcon::Stop);
        return 1;
    }
    if (!CreateSchema(db)) {
        prompter.Message("Новата фирма не беше създадена; базата данни остава празна.", MessageIcon::Stop);
        return 1;
    }
    std::printf(
        "%s\n",
        QString("Създадена е нова база данни: %1").arg(WithoutPassword(location)).toUtf8().constData());
    return 0;
}
} // namespace

int RunInitCommand(const QString& directory, Prompter& prompter, Sleeper& sleeper) {
    if (IsServerLocation(directory))
        return initServer(directory, prompter, sleeper);
    const QDir dir(directory);
    if (!dir.exists()) {
        prompter.Message(QString("Директорията %1 не съществува.").arg(directory), MessageIcon::Stop);
        return 1;
    }
    const QString path = QDir::cleanPath(dir.absoluteFilePath(AppInfo::kDatabaseFileName));
    const QString exists =
        QString("В директорията вече има база данни: %1\nНова база данни не беше създадена.").arg(path);
    if (InspectDatabaseFile(path) == DatabaseFileState::Present) {
        prompter.Message(exists, MessageIcon::Stop);
        return 1;
    }
    Connection connection;
    switch (CreateDatabase(path, connection, sleeper, prompter)) {
    case CreationResult::Failed:
        return 1;
    case CreationResult::FoundExisting:
        // Another seat created it while this one was building.
        prompter.Message(exists, MessageIcon::Stop);
        return 1;
    case CreationResult::Created:
        break;
    }
    std::printf("%s\n", QString("Създадена е нова база данни: %1").arg(path).toUtf8().constData());
    return 0;
}
