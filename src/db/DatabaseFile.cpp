#include "db/DatabaseFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Replaces an empty file at `path` by `built`, holding the empty file's lock
// so that two seats never both replace it. Published, AlreadyThere when a
// database took its place meanwhile, or Failed; nothing to retry otherwise.
enum class Replacement { Published, TryAgain, Failed };

Replacement replaceEmpty(const QByteArray& built, const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT ? Replacement::TryAgain : Replacement::Failed;
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    int locked;
    do
        locked = ::fcntl(fd, F_SETLKW, &lock);
    while (locked < 0 && errno == EINTR);
    Replacement result = Replacement::TryAgain;
    struct stat held = {}, named = {};
    // Still the same file under the name, and still empty: this seat replaces it.
    if (locked == 0 && ::fstat(fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 &&
        held.st_ino == named.st_ino && held.st_dev == named.st_dev && S_ISREG(named.st_mode) &&
        named.st_size == 0)
        result =
            ::rename(built.constData(), path.constData()) == 0 ? Replacement::Published : Replacement::Failed;
    else if (locked != 0)
        result = Replacement::Failed;
    ::close(fd);
    return result;
}

} // namespace

DatabaseFileState InspectDatabaseFile(const QString& path) {
    struct stat link = {};
    if (::lstat(native(path).constData(), &link) != 0)
        return DatabaseFileState::Absent;
    struct stat target = {};
    if (::stat(native(path).constData(), &target) != 0)
        return S_ISLNK(link.st_mode) ? DatabaseFileState::BrokenLink : DatabaseFileState::Absent;
    if (!S_ISREG(target.st_mode))
        return DatabaseFileState::NotAFile;
    return target.st_size > 0 ? DatabaseFileState::Present : DatabaseFileState::Absent;
}

PublishResult PublishDatabaseFile(const QString& builtPath, const QString& targetPath) {
    const QByteArray built = native(builtPath);
    const QByteArray path = native(targetPath);
    PublishResult result = PublishResult::Failed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A hard link appears atomically and only where nothing is.
        if (::link(built.constData(), path.constData()) == 0) {
            result = PublishResult::Published;
            break;
        }
        if (errno != EEXIST) {
            // A file system without hard links: claim the name with an empty
            // file of this seat's own, then replace it as any empty file.
            const int claim = ::open(path.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (claim < 0 && errno != EEXIST)
                break;
            if (claim >= 0)
                ::close(claim);
        }
        struct stat link = {};
        if (::lstat(path.constData(), &link) != 0)
            continue; // gone again: try once more
        if (S_ISLNK(link.st_mode)) {
            // Never replaced: a link is the administrator's.
            result = InspectDatabaseFile(targetPath) == DatabaseFileState::Present
                         ? PublishResult::AlreadyThere
                         : PublishResult::Failed;
            break;
        }
        if (!S_ISREG(link.st_mode))
            break;
        if (link.st_size > 0) {
            result = PublishResult::AlreadyThere;
            break;
        }
        const Replacement replaced = replaceEmpty(built, path);
        if (replaced == Replacement::Published)
            return PublishResult::Published; // the built file is now the database
        if (replaced == Replacement::Failed)
            break;
    }
    ::unlink(built.constData());
    return result;
}
