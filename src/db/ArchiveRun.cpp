#include "db/ArchiveRun.h"

#include "db/GzipStream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr const char* kCopyPrefix = "tarvo-archive-";

bool processAlive(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Takes whatever is written and keeps nothing: the archive is only read.
class Discard : public QIODevice {
public:
    Discard() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override { return length; }
};

} // namespace

ArchiveRun::ArchiveRun(const QString& destination)
    : m_directory(QFileInfo(destination).absolutePath()),
      m_copy(QDir(QDir::tempPath()).filePath(QString("%1%2.db").arg(kCopyPrefix).arg(::getpid()))),
      m_part(QString("%1.%2.part").arg(destination).arg(::getpid())) {}

QString ArchiveRun::CreatePrivateCopyFile() const {
    RemoveCopy();
    const int fd = ::open(QFile::encodeName(m_copy).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return QString("Временното копие %1 не може да бъде създадено.").arg(m_copy);
    ::close(fd);
    return QString();
}

void ArchiveRun::RemoveCopy() const {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(m_copy + suffix);
}

void ArchiveRun::ClearLeftoversOfEndedRuns() const {
    static const QRegularExpression copy(QString("^%1(\\d+)\\.db(-journal|-wal|-shm)?$").arg(kCopyPrefix));
    static const QRegularExpression part("^TV.*\\.Z\\.(\\d+)\\.part(\\.part)?$");
    for (const auto& [folder, pattern] : {std::pair{QDir::tempPath(), &copy}, std::pair{m_directory, &part}}) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
            const QRegularExpressionMatch match = pattern->match(name);
            if (match.hasMatch() && !processAlive(match.captured(1).toLongLong()))
                QFile::remove(dir.filePath(name));
        }
    }
}

QString VerifyGzipFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString("Архивът %1 не може да бъде прочетен.").arg(path);
    Discard sink;
    const QString error = GzipDecompress(file, sink, nullptr);
    return error.isEmpty() ? QString() : QString("Записаният архив не се чете обратно: %1").arg(error);
}
