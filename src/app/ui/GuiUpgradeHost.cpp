#include "app/ui/GuiUpgradeHost.h"

#include "base/Clock.h"
#include "app/ArchiveDialog.h"
#include "db/DatabaseArchive.h"
#include "app/ui/CArchiveDlg.h"
#include "settings/LocalSettings.h"

void GuiUpgradeHost::MakeArchive(Connection& connection, const QString& databasePath) {
    const QString destination = ArchiveFileName(ArchiveDirectoryOf(m_settings.BackupDir(), databasePath), m_clock.Now());
    ArchiveDialog dialog(
        databasePath, destination, ArchiveDialog::Archive,
        [&connection, destination](const WorkProgress& progress) {
            return ArchiveDatabase(connection, destination, progress);
        },
        m_prompter, m_exit);
    GuiArchiveDialogHost(nullptr).ShowArchiveDialog(dialog);
}

void GuiUpgradeHost::ShowWaitBox() {
    m_waitBox = std::make_unique<CWaitBoxDlg>();
    m_waitBox->ShowPainted();
}

void GuiUpgradeHost::HideWaitBox() {
    m_waitBox.reset();
}
