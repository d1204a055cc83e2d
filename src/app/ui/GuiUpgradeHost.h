#pragma once

#include "db/ui/CWaitBoxDlg.h"
#include "db/upgrade/UpgradeDatabase.h"

#include <memory>

class Clock;
class LocalSettings;
class ProcessExit;
class Prompter;

// The upgrade's archive copy in the archive dialog and its wait box.
class GuiUpgradeHost : public UpgradeHost {
public:
    GuiUpgradeHost(Prompter& prompter, ProcessExit& exit, const LocalSettings& settings, const Clock& clock)
        : m_prompter(prompter), m_exit(exit), m_settings(settings), m_clock(clock) {}

    void MakeArchive(Connection& connection, const QString& databasePath) override;
    void ShowWaitBox() override;
    void HideWaitBox() override;

private:
    Prompter& m_prompter;
    ProcessExit& m_exit;
    const LocalSettings& m_settings;
    const Clock& m_clock;
    std::unique_ptr<CWaitBoxDlg> m_waitBox;
};
