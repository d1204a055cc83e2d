#include "session/DatabaseLocation.h"

#include "db/FirmLocation.h"
#include "settings/MachinePreferences.h"

#include <QDir>
#include <QFileInfo>

QString ResolveDatabaseDirectory(const QString& commandLineDirectory, const MachinePreferences& settings) {
    if (IsServerLocation(commandLineDirectory))
        return commandLineDirectory;
    if (!commandLineDirectory.isEmpty())
        return QDir(commandLineDirectory).absolutePath();
    const QString remembered = settings.DBPath();
    if (IsServerLocation(remembered))
        return remembered;
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return QDir(remembered).absolutePath();
    return QDir::currentPath();
}

QString WindowTitleAt(const QString& title, const QString& location) {
    return IsServerLocation(location) ? title + " - " + WithoutPassword(location) : title;
}
