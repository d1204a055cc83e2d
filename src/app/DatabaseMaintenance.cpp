#include "app/DatabaseMaintenance.h"

#include <QFileInfo>

#include "base/Clock.h"
#include "base/OpenFileChooser.h"
#include "base/Prompter.h"
#include "app/ArchiveDialog.h"
#include "db/Database.h"
#include "db/DatabaseArchive.h"
#include "db/DatabaseSeat.h"
#include "db/DbSettings.h"

namespace {
constexpr const char* kReminder = "Програмата установи, че последният архив на данните е бил създаден преди "
                                  "повече от 1 ден.\nЖелаете ли да направите нов архив сега?";
constexpr const char* kArchiveFirst =
    "Препоръчително е преди да продължите, да направите архивно копие. Желаете ли да направите това сега?";
constexpr const char* kOptimizeQuestion =
    "Оптимизирането на базата данни ще отнеме известно време, което в зависимост от нейния обем и скоростта "
    "на достъп до данните може да варира от няколко секунди до няколко минути.\nМоля, уверете се, че никой "
    "друг освен Вас не използва тази база в този момент.\n\nЖелаете ли да продължите?";
} // namespace

DatabaseMaintenance::DatabaseMaintenance(DatabaseSeat& seat, Database& db, MaintenanceServices services)
    : m_seat(seat), m_db(db), m_services(std::move(services)) {}

QString DatabaseMaintenance::ArchiveDirectory() const {
    return ArchiveDirectoryOf(m_services.chosenArchiveDirectory(), m_seat.DatabasePath());
}

QString DatabaseMaintenance::NewArchiveName() const {
    return ArchiveFileName(ArchiveDirectory(), m_services.clock.Now());
}

bool DatabaseMaintenance::RunArchiveDialog(const QString& source, const QString& destination, int mode,
                                           QString* written) {
    ArchiveDialog::Work work;
    if (mode == ArchiveDialog::Archive)
        work = [this, destination, written](const WorkProgress& progress) {
            Connection* connection = m_seat.GetDatabase();
            if (!connection)
                return QString("Базата данни не е отворена.");
            return ArchiveDatabase(*connection, destination, progress, written);
        };
    else
        // Whatever the chooser's directory, the database directory's file is replaced.
        work = [this, source](const WorkProgress& progress) {
            return RestoreDatabase(
                source, m_seat.DatabasePath(), [this] { m_seat.CloseDatabase(); }, progress);
        };
    ArchiveDialog dialog(source, destination, mode, work, m_services.prompter, m_services.exit);
    m_services.dialogs.ShowArchiveDialog(dialog);
    return dialog.Done();
}

std::optional<QString> DatabaseMaintenance::MakeArchive() {
    QString archive = NewArchiveName();
    if (!RunArchiveDialog(m_seat.DatabasePath(), archive, ArchiveDialog::Archive, &archive))
        return std::nullopt;
    DbSettings(m_db).SetArchiveLastTime(m_services.clock.Now().date());
    return archive;
}

void DatabaseMaintenance::RestoreFromArchive() {
    const QString archive =
        m_services.files.ChooseOpenFile(ArchiveDirectory(), "Архиви на TARVO (*.Z)|*.Z||", ".Z");
    if (archive.isEmpty())
        return;
    RunArchiveDialog(archive, m_seat.DatabasePath(), ArchiveDialog::Restore);
}

void DatabaseMaintenance::RunArchiveReminder() {
    DbSettings settings(m_db);
    if (settings.ArchiveAutoPrompt() != 1)
        return;
    const QDateTime now = m_services.clock.Now();
    QDateTime last = settings.ArchiveLastTime(now);
    // Never archived: the days count from the file's creation, so a new
    // file is not reported a day old.
    if (!settings.HasArchiveLastTime()) {
        const QDateTime born = QFileInfo(m_seat.DatabasePath()).birthTime();
        if (born.isValid())
            last = born;
    }
    const qint64 seconds = last.secsTo(now);
    if (seconds / (24 * 60 * 60) <= 0)
        return;
    if (m_services.prompter.AskYesNo(kReminder, MessageIcon::Exclamation) == Answer::Yes)
        MakeArchiveNow();
}

void DatabaseMaintenance::OptimizeDatabase() {
    if (m_services.prompter.AskYesNo(kArchiveFirst, MessageIcon::Exclamation) == Answer::Yes)
        MakeArchiveNow();
    if (m_services.prompter.AskYesNo(kOptimizeQuestion, MessageIcon::Exclamation) != Answer::Yes)
        return;
    bool vacuumed = false;
    m_services.runWaiting([&] { vacuumed = m_db.Exec(m_db.Dialect().Compact()); });
    if (!vacuumed)
        m_services.prompter.Message(
            "Базата данни не може да бъде оптимизирана в този момент.\nВероятно се използва от друг процес.",
            MessageIcon::Stop);
    else
        m_services.prompter.Message("Базата данни е оптимизирана успешно.", MessageIcon::Information);
}
