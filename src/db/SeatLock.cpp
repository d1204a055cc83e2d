#include "db/SeatLock.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The database library locks the bytes from 2^30 up to 2^30 + 511.
constexpr off_t kSeatByte = (off_t{1} << 30) + 4096;
} // namespace

bool SeatLock::Share(const QString& path) {
    return Lock(path, F_RDLCK);
}

bool SeatLock::TakeAlone(const QString& path) {
    return Lock(path, F_WRLCK);
}

bool SeatLock::Lock(const QString& path, short type) {
    Release();
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    struct flock mark {};
    mark.l_type = type;
    mark.l_whence = SEEK_SET;
    mark.l_start = kSeatByte;
    mark.l_len = 1;
    if (::fcntl(m_fd, F_OFD_SETLK, &mark) == 0)
        return true;
    Release();
    return false;
}

void SeatLock::Release() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool SeatLock::LibraryLockHeld(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = off_t{1} << 30;
    probe.l_len = 512;
    const bool held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}
