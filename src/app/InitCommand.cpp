#include "app/InitCommand.h"

#include "base/AppInfo.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/DatabaseCreator.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

int RunInitCommand(const QString& directory, Prompter& prompter, Sleeper& sleeper) {
    const QDir dir(directory);
    if (!dir.exists()) {
        prompter.Message(QString("Директорията %1 не съществува.").arg(directory), MessageIcon::Stop);
        return 1;
    }
    const QString path = QDir::cleanPath(dir.absoluteFilePath(AppInfo::kDatabaseFileName));
    if (QFileInfo::exists(path)) {
        prompter.Message(
            QString("В директорията вече има база данни: %1\nНова база данни не беше създадена.").arg(path),
            MessageIcon::Stop);
        return 1;
    }
    Connection connection;
    if (!CreateDatabase(path, connection, sleeper, prompter))
        return 1;
    std::printf("%s\n", QString("Създадена е нова база данни: %1").arg(path).toUtf8().constData());
    return 0;
}
