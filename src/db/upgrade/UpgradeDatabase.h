#pragma once

#include <QString>

class ProcessExit;
class Connection;
struct UpgradeContext;

// What the upgrade needs from the window around it.
class UpgradeHost {
public:
    virtual ~UpgradeHost() = default;
    // The archive copy before the restructuring, in the archive dialog; its
    // outcome does not stop the upgrade and stores no day.
    virtual void MakeArchive(Connection& connection, const QString& databasePath) = 0;
    // The wait box shown (and painted) while a step runs.
    virtual void ShowWaitBox() = 0;
    virtual void HideWaitBox() = 0;
};

// Brings a file of format 1 to 13 to 14: the archive question, the consent,
// then every step in order, each under the wait box. Ends the process with
// status 0 after the last step, or -1 after a failed one (the file stays at
// its last committed format). False when the user did not consent: nothing
// was written.
bool UpgradeDatabase(int version, UpgradeContext& context, UpgradeHost& host, ProcessExit& exit,
                     Connection& connection, const QString& databasePath);
