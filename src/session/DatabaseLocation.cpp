#include "session/DatabaseLocation.h"

#include "settings/LocalSettings.h"

#include <QDir>
#include <QFileInfo>

QString ResolveDatabaseDirectory(const QString& commandLineDirectory, const LocalSettings& settings) {
    if (!commandLineDirectory.isEmpty())
        return QDir(commandLineDirectory).absolutePath();
    const QString remembered = settings.DBPath();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return QDir(remembered).absolutePath();
    return QDir::currentPath();
}
