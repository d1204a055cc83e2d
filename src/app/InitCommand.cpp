#include "app/InitCommand.h"

#include "base/AppInfo.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/DatabaseFile.h"

#include <QDir>
#include <cstdio>

int RunInitCommand(const QString& directory, Prompter& prompter, Sleeper& sleeper) {
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
