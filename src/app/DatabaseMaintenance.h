#pragma once

#include <QString>
#include <functional>
#include <optional>

class ArchiveDialogHost;
class Clock;
class Database;
class DatabaseSeat;
class OpenFileChooser;
class ProcessExit;
class Prompter;

// What the archive commands need from around them.
struct MaintenanceServices {
    Prompter& prompter;
    const Clock& clock;
    // The folder the user chose for archives in the local settings; empty for
    // the database's own. Asked each time, since the user may change it.
    std::function<QString()> chosenArchiveDirectory;
    ProcessExit& exit;
    ArchiveDialogHost& dialogs;
    OpenFileChooser& files;
    // Runs a long statement under the wait cursor (tests: just runs it).
    std::function<void(const std::function<void()>&)> runWaiting = [](const std::function<void()>& work) {
        work();
    };
};

// The archive copies of the database file and its optimisation: the
// commands of the "Система" menu and the reminder at start-up.
class DatabaseMaintenance {
public:
    DatabaseMaintenance(DatabaseSeat& seat, Database& db, MaintenanceServices services);

    // The directory archives go to: the chosen one, else the database's.
    QString ArchiveDirectory() const;
    // The archive name for this moment.
    QString NewArchiveName() const;

    // The dialog for one piece of work (mode 1 archive, 0 restore); true
    // when the work was carried out.
    // The archive a run wrote may take a later free name: `written` says which.
    bool RunArchiveDialog(const QString& source, const QString& destination, int mode,
                          QString* written = nullptr);
    // F11: an archive now; its day is stored when it was made.
    bool MakeArchiveNow() { return MakeArchive().has_value(); }
    // The same, giving the archive's file name, or nothing when it was not
    // made (the dialog said why).
    std::optional<QString> MakeArchive();
    // Asks for an archive and restores the database from it (the program
    // then ends and must be started again).
    void RestoreFromArchive();
    // Offered on the start view's first display once the database is open.
    void RunArchiveReminder();
    void OptimizeDatabase();

private:
    DatabaseSeat& m_seat;
    Database& m_db;
    MaintenanceServices m_services;
};
