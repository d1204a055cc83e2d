#include "session/TarvoDoc.h"
#include "session/UpgradeValues.h"

#include "base/AppInfo.h"
#include "base/ProcessExit.h"
#include "base/Prompter.h"
#include "db/DatabaseCreator.h"
#include "db/DatabaseFile.h"
#include "db/FirmLocation.h"
#include "db/ReportDbError.h"
#include "db/SchemaVersion.h"
#include "db/upgrade/UpgradeDatabase.h"
#include "db/upgrade/UpgradeStep.h"
#include "session/FolderBrowser.h"
#include "settings/LocalSettings.h"

#include <QDir>

namespace {
constexpr const char* kMissingFile =
    "Базата данни не може да бъде открита в указания път или нямате достъп до тази директория (устройство "
    "или "
    "мрежов ресурс).\nЖелаете ли да създадете нова база данни в същата директория?\n\n(Yes) - Да, създаване "
    "на "
    "нова база данни в тази директория\n(No) - Не, изход от програмата.\n(Cancel) - Не, избор на друга "
    "директория с база данни.";
constexpr const char* kEmptyServerDatabase =
    "Базата данни %1 на сървъра е празна.\nЖелаете ли да създадете в нея нова фирма?";
constexpr const char* kOtherProgramsDatabase =
    "Базата данни %1 на сървъра не е на TARVO: в нея има таблици на друга програма. Нищо не беше променено.";
constexpr const char* kOtherFormatOnServer =
    "Фирмата в %1 е във формат %2, с който тази версия на TARVO не работи. Файл от по-стар формат се "
    "преструктурира в програмата и едва тогава се копира на сървъра (tarvo copy).";
} // namespace

CTarvoDoc::CTarvoDoc(SessionServices services, QString databaseDirectory, RetryPolicy policy)
    : m_services(services), m_directory(std::move(databaseDirectory)), m_policy(policy),
      m_db(*this, services.sleeper, services.prompter, policy) {}

bool CTarvoDoc::OnServer() const {
    return IsServerLocation(m_directory);
}

QString CTarvoDoc::DatabasePath() const {
    return OnServer() ? m_directory : QDir(m_directory).filePath(AppInfo::kDatabaseFileName);
}

bool CTarvoDoc::UseServer(const QString& location, const QString& password) {
    const QString previous = m_directory;
    const QString previousPassword = m_password;
    CloseDatabase();
    m_directory = location;
    m_password = password;
    if (GetDatabase()) {
        m_services.settings.SetDBPath(WithoutPassword(location));
        return true;
    }
    // The firm stays where it was; the next use opens it again.
    CloseDatabase();
    m_directory = previous;
    m_password = previousPassword;
    return false;
}

// A firm on a server: an empty database is offered for a new firm; another
// program's, or a firm of another format, is refused. A server that cannot
// be reached is said so, and the next use tries again.
Connection* CTarvoDoc::OpenServerFirm() {
    DbResult opened = m_connection.OpenServer(m_directory, m_password);
    if (opened.Failed()) {
        ReportDbError(m_services.prompter, opened);
        return nullptr;
    }
    FixedConnectionSource source(m_connection);
    Database check(source, m_services.sleeper, m_services.prompter, m_policy);
    const QString shown = WithoutPassword(m_directory);
    ResultTable tables;
    if (!check.Query(tables, check.Dialect().ListTables())) {
        m_connection.Close();
        return nullptr;
    }
    if (tables.Empty()) {
        if (m_services.prompter.AskYesNo(QString(kEmptyServerDatabase).arg(shown), MessageIcon::Question) ==
                Answer::Yes &&
            CreateSchema(check)) {
            m_open = true;
            return &m_connection;
        }
        m_connection.Close();
        return nullptr;
    }
    const int version = check.HasTable("settings") ? GetSchemaVersion(check) : 0;
    if (version == AppInfo::kSchemaVersion) {
        m_open = true;
        return &m_connection;
    }
    m_connection.Close();
    if (version == 0)
        m_services.prompter.Message(QString(kOtherProgramsDatabase).arg(shown), MessageIcon::Stop);
    else if (version > 0)
        m_services.prompter.Message(QString(kOtherFormatOnServer).arg(shown).arg(version), MessageIcon::Stop);
    return nullptr;
}

Connection* CTarvoDoc::GetDatabase() {
    if (m_open && m_connection.IsOpen())
        return &m_connection;
    // The open itself sends statements through its own access object; a call
    // that comes back here meanwhile gets no connection.
    if (m_opening)
        return nullptr;
    m_opening = true;
    Connection* connection = nullptr;
    if (OnServer()) {
        connection = OpenServerFirm();
        m_opening = false;
        return connection;
    }
    for (;;) {
        if (InspectDatabaseFile(DatabasePath()) == DatabaseFileState::Present) {
            connection = OpenExisting();
            break;
        }
        if (!OfferMissingFile())
            break;
    }
    m_opening = false;
    return connection;
}

// Asks what to do about a missing file. True when the loop should look for
// the file again (it was created, or another directory was chosen).
bool CTarvoDoc::OfferMissingFile() {
    switch (m_services.prompter.AskYesNoCancel(kMissingFile, MessageIcon::Exclamation)) {
    case Answer::Yes:
        if (CreateDatabase(DatabasePath(), m_connection, m_services.sleeper, m_services.prompter, m_policy) ==
            CreationResult::Failed)
            return false;
        // The new file is opened again the ordinary way, with its version check.
        m_connection.Close();
        return true;
    case Answer::No:
        EndProcess(0);
        return false;
    case Answer::Cancel:
        break;
    }
    const QString chosen =
        BrowseForFolder(FolderPurpose::Database, m_services.settings, m_services.directoryChooser);
    if (!chosen.isEmpty()) {
        m_directory = QDir::cleanPath(chosen);
        m_services.settings.SetDBPath(chosen);
    }
    return true;
}

Connection* CTarvoDoc::OpenExisting() {
    DbResult opened = m_connection.Open(DatabasePath(), false);
    if (opened.Failed()) {
        ReportDbError(m_services.prompter, opened);
        EndProcess(0);
        return nullptr;
    }
    FixedConnectionSource source(m_connection);
    Database check(source, m_services.sleeper, m_services.prompter, m_policy);
    const int version = GetSchemaVersion(check);
    if (version == AppInfo::kSchemaVersion) {
        m_open = true;
        m_seatLock.Share(DatabasePath());
        return &m_connection;
    }
    m_connection.Close();
    // A busy file has been reported as busy; the next access tries again.
    if (version == kSchemaVersionBusy)
        return nullptr;
    if (version == 0 || version > AppInfo::kSchemaVersion) {
        m_services.prompter.Message(SchemaVersionProblem(version), MessageIcon::Stop);
    } else if (m_services.upgradeHost) {
        // The chain ends the process; a refusal leaves the file untouched
        // and this run without a database.
        Upgrade(version);
        return nullptr;
    } else {
        m_services.prompter.Message(SchemaVersionProblem(version), MessageIcon::Exclamation);
    }
    EndProcess(0);
    return nullptr;
}

void CTarvoDoc::Upgrade(int version) {
    DbResult opened = m_connection.Open(DatabasePath(), false);
    if (opened.Failed()) {
        ReportDbError(m_services.prompter, opened);
        EndProcess(0);
        return;
    }
    FixedConnectionSource source(m_connection);
    Database db(source, m_services.sleeper, m_services.prompter, m_policy);
    UpgradeContext context{db, m_services.prompter, UpgradeValuesOf(m_services.settings)};
    UpgradeDatabase(version, context, *m_services.upgradeHost, m_services.exit, m_connection,
                    DatabasePath());
    m_connection.Close();
}

void CTarvoDoc::CloseDatabase() {
    m_seatLock.Release();
    m_connection.Close();
    m_open = false;
}

void CTarvoDoc::EndProcess(int status) {
    m_services.exit.Exit(status);
}
