#pragma once

#include <QString>

// The mark each running window of the program keeps on its database file,
// so a restore can tell that the file is in use even while no statement
// runs. It is an open-file-description read lock on one byte far past the
// bytes the database library locks, so it never stands in a statement's way
// and belongs to this holder alone.
class SeatLock {
public:
    SeatLock() = default;
    ~SeatLock() { Release(); }
    SeatLock(const SeatLock&) = delete;
    SeatLock& operator=(const SeatLock&) = delete;

    // Marks the file as used by this seat; false when the mark could not be
    // taken (the file is missing, or a restore is replacing it right now).
    bool Share(const QString& path);
    // Takes the file for this holder alone: false while any seat marks it.
    bool TakeAlone(const QString& path);
    void Release();

    // Whether another process holds any of the database library's locks on
    // the file; read from the locks alone, so a file whose header is
    // damaged can be told "in use" or not.
    static bool LibraryLockHeld(const QString& path);

private:
    bool Lock(const QString& path, short type);

    int m_fd = -1;
};
