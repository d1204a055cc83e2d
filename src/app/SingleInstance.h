#pragma once

#include <QLockFile>
#include <QString>

class Prompter;

// The guard against a second running copy for this user on this computer: a
// lock file named TVGlobalMutex in the user's runtime directory, held for the
// whole run. The lock of a copy that crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when no other copy runs. A second copy is told so; any other
    // failure to take the lock ends the start silently.
    bool Acquire(Prompter& prompter);

    static QString DefaultLockPath();

private:
    QLockFile m_lock;
};
