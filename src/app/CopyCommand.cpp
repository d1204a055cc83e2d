#include "app/CopyCommand.h"

#include "app/ArchiveCommands.h"
#include "base/AppInfo.h"
#include "base/Prompter.h"
#include "db/Connection.h"
#include "db/DatabaseFile.h"
#include "db/FirmCopy.h"
#include "db/FirmLocation.h"
#include "db/ReportDbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {
constexpr const char* kNotCopied = "Фирмата не беше копирана.";

// A firm copied into a folder is built in a file of its own beside the
// database's place and put there only when it is complete.
QString copyIntoFolder(Connection& source, const QString& folder, QString& path) {
    const QDir dir(folder);
    if (!dir.exists())
        return QString("Директорията %1 не съществува.").arg(folder);
    path = QDir::cleanPath(dir.absoluteFilePath(AppInfo::kDatabaseFileName));
    if (InspectDatabaseFile(path) != DatabaseFileState::Absent)
        return QString("В директорията вече има база данни: %1").arg(path);
    QByteArray building = QFile::encodeName(dir.filePath(".tarvo.db.copy.XXXXXX"));
    const int fd = ::mkstemp(building.data());
    if (fd < 0)
        return QString("Във %1 не може да бъде записван файл.").arg(folder);
    ::close(fd);
    const QString built = QFile::decodeName(building);
    QString error;
    {
        Connection target;
        if (DbResult opened = target.Open(built, true); opened.Failed())
            error = DbErrorText(opened);
        else
            error = CopyFirm(source, target, nullptr);
    }
    QFile::remove(built + "-journal");
    if (error.isEmpty()) {
        switch (PublishDatabaseFile(built, path)) {
        case PublishResult::Published:
            return QString();
        case PublishResult::AlreadyThere:
            return QString("Междувременно в директорията беше създадена база данни: %1").arg(path);
        case PublishResult::Failed:
            return QString("Копието не може да бъде поставено като %1.").arg(path);
        }
    }
    QFile::remove(built);
    return error;
}
} // namespace

int RunCopyCommand(const QString& from, const QString& to, Prompter& prompter) {
    Connection source;
    const QString sourceName = OpenCurrentDatabaseOf(from, prompter, source);
    if (sourceName.isEmpty())
        return 1;
    QString targetName = WithoutPassword(to);
    QString error;
    if (IsServerLocation(to)) {
        Connection target;
        if (DbResult opened = target.Open(to, false); opened.Failed())
            error = DbErrorText(opened);
        else
            error = CopyFirm(source, target, nullptr);
    } else {
        error = copyIntoFolder(source, to, targetName);
    }
    if (!error.isEmpty()) {
        prompter.Message(error + "\n" + kNotCopied, MessageIcon::Stop);
        return 1;
    }
    PrintLine(QString("Фирмата от %1 е копирана в %2.").arg(sourceName, targetName));
    return 0;
}
