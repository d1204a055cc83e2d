#pragma once

#include "db/Connection.h"
#include "db/Database.h"
#include "db/DatabaseSeat.h"
#include "db/SeatLock.h"
#include "lists/SortRules.h"

#include <QString>

class DirectoryChooser;
class LocalSettings;
class ProcessExit;
class Prompter;
class Sleeper;
class UpgradeHost;

// What the session needs from the world around it.
struct SessionServices {
    Prompter& prompter;
    ProcessExit& exit;
    Sleeper& sleeper;
    LocalSettings& settings;
    DirectoryChooser& directoryChooser;
    // Brings files of older formats up to date; without one they are refused.
    UpgradeHost* upgradeHost = nullptr;
};

// The session: owner of the one connection of the process, opened on first
// use. Every form and service reaches the database through Db().
class CTarvoDoc : public DatabaseSeat {
public:
    CTarvoDoc(SessionServices services, QString databaseDirectory, RetryPolicy policy = {});

    // The open connection, opening it on the first call: a missing file is
    // offered for creation, an unsupported version is refused. Null when no
    // connection could be had; the user has been told, or the process ended.
    Connection* GetDatabase() override;

    Database& Db() { return m_db; }
    // How the program ends itself (a finished restore, a refused file).
    ProcessExit& Exit() { return m_services.exit; }
    // Where the firm lives: its folder, or a server's connection string.
    QString DatabaseDirectory() const { return m_directory; }
    bool OnServer() const;
    QString DatabasePath() const override;
    // Moves the session to a firm on a server, with the password the user
    // typed (kept in memory for this run alone), and opens it. Opened, the
    // location is remembered without a password; refused (the reason shown),
    // the session stays with the firm it had.
    bool UseServer(const QString& location, const QString& password);
    // Closes the connection (before the file is replaced); the next use opens
    // the file again.
    void CloseDatabase() override;
    bool IsOpen() const { return m_open; }

    // The last sorted column and direction, shared by all lists.
    SortState& ListSortState() { return m_sortState; }

    // The start view runs its first-display work only once per run.
    bool IsFirstDisplay() const { return m_firstDisplay; }
    void FirstDisplayDone() { m_firstDisplay = false; }

private:
    bool OfferMissingFile();
    // Runs the upgrade chain on a file of an older format, which ends the
    // process unless the user did not consent.
    void Upgrade(int version);
    Connection* OpenExisting();
    Connection* OpenServerFirm();
    void EndProcess(int status);

    SessionServices m_services;
    QString m_directory;
    QString m_password;
    RetryPolicy m_policy;
    Connection m_connection;
    // Tells a restore in another process that this seat uses the file.
    SeatLock m_seatLock;
    Database m_db;
    bool m_open = false;
    bool m_opening = false;
    bool m_firstDisplay = true;
    SortState m_sortState;
};
