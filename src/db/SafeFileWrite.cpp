#include "db/SafeFileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString systemError(const QString& what, const QString& path) {
    return QString("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(errno)));
}

void syncDirectoryOf(const QString& path) {
    const QByteArray directory = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

QString WriteFileWhole(const QString& path, const std::function<QString(QFile&)>& fill) {
    const QString part = path + ".part";
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString("Файлът %1 не може да бъде създаден: %2").arg(part, file.errorString());
    QString error = fill(file);
    if (error.isEmpty() && (!file.flush() || ::fsync(file.handle()) != 0))
        error = systemError("Грешка при запис във файла", part);
    file.close();
    if (error.isEmpty() && file.error() != QFileDevice::NoError)
        error = QString("Грешка при запис във файла %1: %2").arg(part, file.errorString());
    if (error.isEmpty())
        error = ReplaceFile(part, path);
    if (!error.isEmpty())
        QFile::remove(part);
    return error;
}

QString ReplaceFile(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return systemError("Файлът не може да бъде преименуван на", to);
    syncDirectoryOf(to);
    return QString();
}

std::optional<QString> PublishUnderFreeName(const QString& from, const QString& wanted, QString& error) {
    const QFileInfo info(wanted);
    const QString stem = info.path() + '/' + info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : '.' + info.suffix();
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? wanted : QString("%1-%2%3").arg(stem).arg(n).arg(suffix);
        // link() takes a name only while it is free.
        if (::link(QFile::encodeName(from).constData(), QFile::encodeName(name).constData()) == 0) {
            ::unlink(QFile::encodeName(from).constData());
            syncDirectoryOf(name);
            return name;
        }
        if (errno != EEXIST) {
            error = systemError("Файлът не може да бъде записан като", name);
            return std::nullopt;
        }
    }
    error = QString("Няма свободно име за %1.").arg(wanted);
    return std::nullopt;
}
