#include "app/ui/CMainFrame.h"

#include "app/Calculator.h"
#include "app/CsvSeparatorEditor.h"
#include "app/CurrencyChangeover.h"
#include "app/DocumentDeletion.h"
#include "app/StartView.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/CClosePeriodDlg.h"
#include "app/ui/CServerConnectionDlg.h"
#include "app/ui/CTarvoView.h"
#include "app/ui/PrinterSetupDialog.h"
#include "base/Prompter.h"
#include "base/ui/GuiDirectoryChooser.h"
#include "base/ui/GuiNumberInput.h"
#include "base/ui/GuiSaveFileChooser.h"
#include "base/ui/GuiTextInput.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "masterdata/FirmCurrency.h"
#include "masterdata/PartnerStore.h"
#include "masterdata/ui/CBanksDlg.h"
#include "masterdata/ui/CGroupsDlg.h"
#include "masterdata/ui/CUnitsEditorDlg.h"
#include "net/NetworkFiscalRegister.h"
#include "print/ui/PrintDialogs.h"
#include "sales/fiscal/FiscalRegister.h"
#include "sales/ui/CFiscalDeviceDlg.h"
#include "sales/ui/GuiFiscalMarks.h"
#include "session/FolderBrowser.h"
#include "session/DatabaseLocation.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

CMainFrame::CMainFrame(CTarvoDoc& doc, LocalSettings& settings, Prompter& prompter, PrinterSettings& printer,
                       QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_settings(settings), m_prompter(prompter), m_printer(printer),
      m_firmDataEditor(doc, prompter, this), m_behaviour(doc, prompter), m_settingsMenu(settings, doc.Db()),
      m_archiveDialogs(this), m_openFiles(this),
      m_maintenance(doc, doc.Db(),
                    MaintenanceServices{prompter, m_clock, [&settings] { return settings.BackupDir(); },
                                        doc.Exit(), m_archiveDialogs, m_openFiles,
                                        [](const std::function<void()>& work) {
                                            WaitCursor wait;
                                            work();
                                        }}),
      m_views(MakeViewRegistry()) {
    m_behaviour.SetFirmDataEditor(&m_firmDataEditor);
    SetFormTitle(StartView::WindowTitle());
    RegisterCommands();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    ApplyFocusColour();
    auto* start = m_views.Create(ViewType::kStart, m_doc, *this);
    // The archive reminder follows the first opening of the database.
    if (auto* view = qobject_cast<CTarvoView*>(start))
        connect(view, &CTarvoView::databaseOpened, this, [this] { m_maintenance.RunArchiveReminder(); });
    setCentralWidget(start);

    resize(1024, 700);
}

void CMainFrame::RegisterCommands() {
    m_commands[CommandId::Exit] = [this] { close(); };
    m_commands[CommandId::Calculator] = [this] { StartCalculator(m_prompter); };
    m_commands[CommandId::PrintSetup] = [this] { RunPrinterSetup(m_printer, this); };
    m_commands[CommandId::Help] = [this] {
        m_prompter.Message("Помощната документация все още не е готова.", MessageIcon::Information);
    };
    m_commands[CommandId::About] = [this] { AboutDialog(m_doc.DatabaseDirectory(), this).exec(); };
    m_commands[CommandId::GroupsEditor] = [this] { CGroupsDlg(m_doc.Db(), m_prompter, this).exec(); };
    m_commands[CommandId::UnitsEditor] = [this] { CUnitsEditorDlg(m_doc.Db(), m_prompter, this).exec(); };
    m_commands[CommandId::FirmData] = [this] { m_firmDataEditor.EditFirmData(); };
    m_commands[CommandId::BanksEditor] = [this] { CBanksDlg(m_doc, m_prompter, this).exec(); };
    m_commands[CommandId::ArchiveNow] = [this] { m_maintenance.MakeArchiveNow(); };
    m_commands[CommandId::RestoreArchive] = [this] { m_maintenance.RestoreFromArchive(); };
    m_commands[CommandId::OptimizeDatabase] = [this] { m_maintenance.OptimizeDatabase(); };
    // From the start view only: an open form keeps the old firm's rows.
    m_commands[CommandId::ConnectServer] = [this] {
        CServerConnectionDlg dialog(this);
        if (!LeaveToStart() || dialog.exec() != QDialog::Accepted)
            return;
        if (m_doc.UseServer(dialog.Location(), dialog.Password()))
            SetFormTitle(StartView::WindowTitle());
    };
    m_commands[CommandId::ArchiveDirectory] = [this] {
        GuiDirectoryChooser chooser;
        const QString chosen = BrowseForFolder(FolderPurpose::Archives, m_settings, chooser);
        if (!chosen.isEmpty())
            m_settings.SetBackupDir(chosen);
    };
    const std::pair<CommandId, DocumentKind> deletions[] = {
        {CommandId::DeleteRequests, DocumentKind::Requests},
        {CommandId::DeleteDeliveries, DocumentKind::Deliveries},
        {CommandId::DeleteProduction, DocumentKind::Production},
        {CommandId::DeleteGoodsNotes, DocumentKind::GoodsNotes},
        {CommandId::DeleteInvoices, DocumentKind::Invoices},
        {CommandId::DeleteDebitNotes, DocumentKind::DebitNotes},
        {CommandId::DeleteCreditNotes, DocumentKind::CreditNotes},
        {CommandId::DeleteWarrantyCards, DocumentKind::WarrantyCards},
        {CommandId::DeleteOffers, DocumentKind::Offers},
    };
    for (const auto& [command, kind] : deletions)
        m_commands[command] = [this, kind = kind] {
            GuiDocumentChooser chooser(m_doc, *this, this);
            DocumentDeletion(m_doc.Db(), m_prompter).Run(kind, chooser);
        };
    m_commands[CommandId::ClosePeriod] = [this] {
        if (!LeaveToStart())
            return;
        PeriodClosing closing(m_doc.Db(), m_prompter, [this] { return m_maintenance.MakeArchiveNow(); });
        CClosePeriodDlg(closing, m_settings, m_clock, this).exec();
    };
    m_commands[CommandId::EuroChangeover] = [this] { ChooseCurrency(Currency::EUR); };
    m_settingsMenu.SetCurrencyChoice([this](Currency wanted) { return ChooseCurrency(wanted); });
    RegisterFiscalCommands();
    m_commands[CommandId::CsvSeparator] = [this] {
        GuiTextInput input(this);
        EditCsvSeparator(m_settings, m_prompter, input);
    };
}

void CMainFrame::RegisterFiscalCommands() {
    auto withRegister = [this](std::function<void(FiscalRegister&)> work) {
        return [this, work] {
            GuiTextInput input(this);
            NetworkFiscalRegister fiscal(m_doc.Db(), m_prompter, m_settings, &input, &m_clock);
            work(fiscal.Register());
        };
    };
    m_commands[CommandId::FiscalDevice] = withRegister([this](FiscalRegister& fiscal) {
        CFiscalDeviceDlg(m_doc.Db(), m_settings, m_prompter, fiscal, this).exec();
    });
    m_commands[CommandId::FiscalXReport] = withRegister([](FiscalRegister& fiscal) {
        WaitCursor wait;
        fiscal.XReport();
    });
    m_commands[CommandId::FiscalZReport] = withRegister([](FiscalRegister& fiscal) { fiscal.ZReport(); });
    auto cash = [this](bool in) {
        return [this, in](FiscalRegister& fiscal) {
            GuiNumberInput input(this);
            const std::optional<double> amount =
                input.AskNumber(in ? "Служебно въведени суми" : "Служебно изведени суми",
                                in ? "сума, внесена в касата:" : "сума, изнесена от касата:", 0, 2);
            if (!amount)
                return;
            if (*amount <= 0) {
                m_prompter.Message("Сумата трябва да бъде по-голяма от нула.", MessageIcon::Exclamation);
                return;
            }
            in ? fiscal.Deposit(*amount) : fiscal.Withdraw(*amount);
        };
    };
    m_commands[CommandId::FiscalDeposit] = withRegister(cash(true));
    m_commands[CommandId::FiscalWithdrawal] = withRegister(cash(false));
}

bool CMainFrame::LeaveToStart() {
    if (ActiveViewType() != ViewType::kStart)
        SwitchView(ViewType::kStart);
    return ActiveViewType() == ViewType::kStart;
}

// From the start view only: a document left open would keep its leva prices
// and be saved as euro after the changeover.
bool CMainFrame::ChooseCurrency(Currency wanted) {
    if (wanted == Currency::EUR && LoadFirmCurrency(m_doc.Db()).current == Currency::BGN && !LeaveToStart())
        return false;
    CurrencyChangeover changeover(m_doc.Db(), m_prompter, [this] { return m_maintenance.MakeArchive(); });
    return changeover.Choose(wanted, m_clock.Now().date());
}

void CMainFrame::Run(CommandId command) {
    const auto found = m_commands.find(command);
    if (found != m_commands.end())
        found->second();
}

void CMainFrame::OpenForm(int viewType) {
    if (m_behaviour.OpenForm(viewType))
        SwitchView(viewType);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetFormTitle(const QString& title) {
    setWindowTitle(WindowTitleAt(title, m_doc.DatabaseDirectory()));
}

DocumentMarks* CMainFrame::Marks() {
    if (!m_fiscalMarks)
        m_fiscalMarks = std::make_unique<GuiFiscalMarks>(m_doc.Db(), *this, this);
    return m_fiscalMarks.get();
}

void CMainFrame::SwitchView(int viewType) {
    if (!m_views.Has(viewType) || !m_behaviour.SwitchView(viewType))
        return;
    QWidget* form = m_views.Create(viewType, m_doc, *this);
    QWidget* previous = takeCentralWidget();
    setCentralWidget(form);
    YieldKeysTo(form);
    // The form's keys answer at once: the focus goes into the form (its
    // chosen widget, else the first one Tab reaches), never to the toolbar.
    QWidget* first = form->focusProxy() ? nullptr : FirstInTabOrder(form);
    (first ? first : form)->setFocus(Qt::OtherFocusReason);
    m_behaviour.ViewShown(viewType, dynamic_cast<DocumentForm*>(form));
    delete previous;
    if (viewType == ViewType::kStart)
        SetFormTitle(StartView::WindowTitle());
}

// A form's own keys win over the window's while it is shown: Ctrl+F6 loads a
// goods note in the sale form and opens production everywhere else. Two
// owners of one key would leave Qt to fire neither.
void CMainFrame::YieldKeysTo(QWidget* form) {
    for (const auto& [action, key] : m_yieldedKeys)
        action->setShortcut(key);
    m_yieldedKeys.clear();
    QList<QKeySequence> taken;
    for (const QShortcut* shortcut : form->findChildren<QShortcut*>())
        taken << shortcut->key();
    for (QAction* action : menuBar()->findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && taken.contains(action->shortcut())) {
            m_yieldedKeys.emplace_back(action, action->shortcut());
            action->setShortcut(QKeySequence());
        }
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F10 || event->modifiers() != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (ActiveViewType() != ViewType::kStart)
        SwitchView(ViewType::kStart);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Closing the window loses the open document like any other switch.
    if (ActiveViewType() != ViewType::kStart && !m_behaviour.SwitchView(ViewType::kStart)) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    m_infoPane = new QLabel(bar);
    m_infoPane->setFixedWidth(350);
    m_durationPane = new QLabel(bar);
    m_durationPane->setFixedWidth(80);
    m_durationPane->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addPermanentWidget(m_infoPane);
    for (int pane = 2; pane <= 3; ++pane) {
        auto* spare = new QLabel(bar);
        spare->setFixedWidth(40);
        bar->addPermanentWidget(spare);
    }
    bar->addPermanentWidget(m_durationPane);
}

void CMainFrame::ShowPrintPreview(PrintJob& job) {
    GuiSaveFileChooser chooser(this);
    PreviewJob(job, m_printer, m_settings, chooser, m_prompter, this, [this](int partnerId) {
        Partner partner;
        return partnerId != 0 && PartnerStore(m_doc.Db()).Load(partnerId, partner) ? partner.email
                                                                                   : QString();
    });
}

void CMainFrame::PrintNow(PrintJob& job) {
    PrintJobNow(job, m_printer, m_settings, this);
}

void CMainFrame::SetInfoText(const QString& text) {
    m_infoPane->setText(text);
}

void CMainFrame::SetDurationText(const QString& text) {
    m_durationPane->setText(text);
}

void CMainFrame::ApplyFocusColour() {
    qApp->setStyleSheet(
        m_settings.UseFocusColor()
            ? "QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus, QAbstractSpinBox:focus, "
              "QComboBox:editable:focus { background: #fffbd6; }"
            : "");
}
