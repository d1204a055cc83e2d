// A second copy of the program's own classes in a separate process, driven by
// the tests that need two real processes: the single running copy and two
// writers on one database file.
#include "base/ConsolePrompter.h"
#include "app/SingleInstance.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "base/Sleeper.h"
#include "db/WriteTransaction.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// Waits until the parent writes a line or closes the pipe.
void waitForParent() {
    std::string line;
    std::getline(std::cin, line);
}

void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

int holdInstance(const QString& lockPath) {
    ConsolePrompter prompter;
    SingleInstance instance(lockPath);
    if (!instance.Acquire(prompter))
        return 3;
    say("locked");
    waitForParent();
    return 0;
}

int tryInstance(const QString& lockPath) {
    ConsolePrompter prompter;
    SingleInstance instance(lockPath);
    return instance.Acquire(prompter) ? 0 : 3;
}

// Writes `count` rows, each in its own transaction that first reads and then
// writes: the pattern that deadlocks two copies when the write lock is only
// asked for at the first write.
int writer(const QString& path, const QString& label, int count, RetryPolicy policy) {
    Connection connection;
    if (connection.Open(path, false).Failed())
        return 2;
    FixedConnectionSource source(connection.Handle());
    ThreadSleeper sleeper;
    ConsolePrompter prompter;
    Database db(source, sleeper, prompter, policy);
    for (int i = 0; i < count; ++i) {
        WriteTransaction transaction(db);
        if (!transaction.Begin())
            return 4;
        ResultTable table;
        if (db.QueryWithRetry("SELECT COUNT(*) FROM units;", table).Failed())
            return 5;
        if (!transaction.ExecPrintf("INSERT INTO units VALUES('%q %d');", label, i) ||
            !transaction.ExecPrintf("INSERT INTO groups (name, parent_id) VALUES('%q', '%d');", label, i) ||
            !transaction.Commit())
            return 6;
    }
    return 0;
}

// Holds the write lock with one row written until the parent says go, then commits.
int holdWrite(const QString& path) {
    Connection connection;
    if (connection.Open(path, false).Failed())
        return 2;
    if (Connection::ExecOnce(connection.Handle(), "BEGIN IMMEDIATE; INSERT INTO units VALUES('holder');").Failed())
        return 5;
    say("holding");
    waitForParent();
    return Connection::ExecOnce(connection.Handle(), "COMMIT;").Failed() ? 6 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 64;
    const std::string command = argv[1];
    const QString target = QString::fromLocal8Bit(argv[2]);
    if (command == "hold-instance")
        return holdInstance(target);
    if (command == "try-instance")
        return tryInstance(target);
    if (command == "hold-write")
        return holdWrite(target);
    if (command == "writer" && argc >= 5)
        return writer(target, QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]), RetryPolicy{2500, 2});
    if (command == "impatient-writer" && argc >= 5)
        return writer(target, QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]), RetryPolicy{3, 2});
    return 64;
}
