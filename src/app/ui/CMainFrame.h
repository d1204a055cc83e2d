#pragma once

#include "app/CommandTable.h"
#include "app/DatabaseMaintenance.h"
#include "app/MainFrame.h"
#include "app/SettingsMenu.h"
#include "app/ui/CArchiveDlg.h"
#include "app/ui/ViewRegistry.h"
#include "base/Clock.h"
#include "base/FormHost.h"
#include "base/ui/GuiOpenFileChooser.h"
#include "format/Currency.h"
#include "masterdata/ui/GuiFirmDataEditor.h"

#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

class CTarvoDoc;
class GuiFiscalMarks;
class LocalSettings;
class Prompter;
class QLabel;
class QMenu;
struct PrinterSettings;

// The main window: the menu bar of the command table, the toolbar, the
// status bar and one form at a time in its central area.
class CMainFrame : public QMainWindow, public FormHost {
    Q_OBJECT
public:
    CMainFrame(CTarvoDoc& doc, LocalSettings& settings, Prompter& prompter, PrinterSettings& printer,
               QWidget* parent = nullptr);

    // Replaces the current form by a new one of the given type, after the
    // checks of the view switch. Forms return to the start view with type 1.
    void SwitchView(int viewType) override;
    int ActiveViewType() const { return m_behaviour.ActiveViewType(); }

    // What the forms share with the window.
    Prompter& GetPrompter() override { return m_prompter; }
    LocalSettings& Settings() override { return m_settings; }
    PrinterSettings& Printer() override { return m_printer; }
    const Clock& GetClock() const override { return m_clock; }
    void ShowPrintPreview(PrintJob& job) override;
    void PrintNow(PrintJob& job) override;
    void SetFormTitle(const QString& title) override;
    void SetInfoText(const QString& text) override;
    void SetDurationText(const QString& text) override;
    DocumentMarks* Marks() override;
    ~CMainFrame() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // F10 leaves a form for the start view. A form with its own F10 button
    // takes the key first (a shortcut of the window as well would make the
    // key ambiguous, and then neither would act).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RegisterCommands();
    void BuildMenus();
    void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    QAction* MakeAction(const MenuEntry& entry, const QString& caption, QObject* owner);
    void BuildToolBar();
    void BuildStatusBar();
    void Run(CommandId command);
    // Switches to the start view, asking about unsaved data; true when it is shown.
    bool LeaveToStart();
    void RegisterFiscalCommands();
    // The currency menu: euro runs the changeover, leva is refused once in euro.
    bool ChooseCurrency(Currency wanted);
    void ApplyFocusColour();
    void OpenForm(int viewType);
    void YieldKeysTo(QWidget* form);

    CTarvoDoc& m_doc;
    LocalSettings& m_settings;
    Prompter& m_prompter;
    PrinterSettings& m_printer;
    SystemClock m_clock;
    GuiFirmDataEditor m_firmDataEditor;
    MainFrame m_behaviour;
    SettingsMenu m_settingsMenu;
    GuiArchiveDialogHost m_archiveDialogs;
    GuiOpenFileChooser m_openFiles;
    DatabaseMaintenance m_maintenance;
    ViewRegistry m_views;
    std::map<CommandId, std::function<void()>> m_commands;
    QLabel* m_infoPane = nullptr;
    QLabel* m_durationPane = nullptr;
    std::vector<std::pair<QAction*, QKeySequence>> m_yieldedKeys;
    std::unique_ptr<GuiFiscalMarks> m_fiscalMarks; // made when a document list first asks
};
