// The menu bar and the toolbar of the main window, built from the command table.
#include "app/ui/CMainFrame.h"
#include "app/ui/ToolbarIcons.h"
#include "base/Mnemonics.h"
#include "session/ViewType.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {
// The captions of a menu's entries, each with its Alt+letter; separators
// keep their place with an empty caption.
QStringList captionsOf(const std::vector<MenuEntry>& entries) {
    QStringList captions;
    for (const MenuEntry& entry : entries)
        captions << entry.text;
    return WithMnemonics(captions);
}
} // namespace

QAction* CMainFrame::MakeAction(const MenuEntry& entry, const QString& caption, QObject* owner) {
    auto* action = new QAction(caption, owner);
    action->setStatusTip(entry.prompt);
    if (!entry.shortcut.isEmpty())
        action->setShortcut(QKeySequence(entry.shortcut));
    switch (entry.kind) {
    case MenuEntry::Kind::View:
        action->setEnabled(m_views.Has(entry.viewType));
        connect(action, &QAction::triggered, this, [this, type = entry.viewType] { OpenForm(type); });
        break;
    case MenuEntry::Kind::Command:
        action->setEnabled(m_commands.count(entry.command) != 0);
        connect(action, &QAction::triggered, this, [this, command = entry.command] { Run(command); });
        break;
    case MenuEntry::Kind::Toggle:
    case MenuEntry::Kind::Choice:
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, entry] {
            m_settingsMenu.Activate(entry);
            if (entry.setting == Setting::UseFocusColor)
                ApplyFocusColour();
        });
        break;
    case MenuEntry::Kind::Submenu:
    case MenuEntry::Kind::Separator:
        break;
    }
    return action;
}

void CMainFrame::AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
    QActionGroup* choices = nullptr;
    const QStringList captions = captionsOf(entries);
    for (size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        const QString& caption = captions[static_cast<int>(i)];
        if (entry.kind == MenuEntry::Kind::Separator) {
            menu->addSeparator();
        } else if (entry.kind == MenuEntry::Kind::Submenu) {
            AddEntries(menu->addMenu(caption), entry.children);
        } else {
            QAction* action = MakeAction(entry, caption, menu);
            if (entry.kind == MenuEntry::Kind::Choice) {
                if (!choices)
                    choices = new QActionGroup(menu);
                choices->addAction(action);
            }
            menu->addAction(action);
        }
    }
    // The check marks show the stored values each time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu, entries] {
        const QList<QAction*> actions = menu->actions();
        int index = 0;
        for (const MenuEntry& entry : entries) {
            QAction* action = actions.value(index++);
            if (action && (entry.kind == MenuEntry::Kind::Toggle || entry.kind == MenuEntry::Kind::Choice))
                action->setChecked(m_settingsMenu.IsChecked(entry));
        }
    });
}

void CMainFrame::BuildMenus() {
    const QStringList captions = captionsOf(MainMenu());
    for (size_t i = 0; i < MainMenu().size(); ++i)
        AddEntries(menuBar()->addMenu(captions[static_cast<int>(i)]), MainMenu()[i].children);
}

void CMainFrame::BuildToolBar() {
    QToolBar* bar = addToolBar("Инструменти");
    bar->setObjectName("mainToolBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(20, 20));
    bar->setMovable(false);

    auto addButton = [&](const QString& caption, const char* theme, const QColor& colour, bool enabled,
                         std::function<void()> run) {
        QAction* action = bar->addAction(ThemedIcon(theme, caption, colour), caption);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, std::move(run));
    };
    auto addForm = [&](const QString& caption, const char* theme, const QColor& colour, int type) {
        addButton(caption, theme, colour, m_views.Has(type), [this, type] { OpenForm(type); });
    };
    addButton("Групи", "folder", QColor(0x4a, 0x7a, 0xb5), m_commands.count(CommandId::GroupsEditor) != 0,
              [this] { Run(CommandId::GroupsEditor); });
    addForm("Стоки", "package-x-generic", QColor(0x3c, 0x8d, 0x5a), ViewType::kCatalogue);
    addForm("Контрагенти", "system-users", QColor(0x8a, 0x5a, 0xa8), ViewType::kPartners);
    addForm("Доставки", "go-down", QColor(0xb5, 0x7a, 0x2a), ViewType::kDeliveries);
    addForm("Производство", "applications-engineering", QColor(0x7a, 0x6a, 0x4a), ViewType::kProduction);
    addForm("Продажби", "go-up", QColor(0xb5, 0x3a, 0x3a), ViewType::kSales);

    auto* reports = new QMenu(bar);
    AddEntries(reports, ReportsMenu().children);
    auto* reportsButton = new QToolButton(bar);
    reportsButton->setText("Справки");
    reportsButton->setIcon(ThemedIcon("x-office-spreadsheet", "Справки", QColor(0x2a, 0x7a, 0x8a)));
    reportsButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    reportsButton->setPopupMode(QToolButton::InstantPopup);
    reportsButton->setMenu(reports);
    bar->addWidget(reportsButton);

    addButton("Калкулатор", "accessories-calculator", QColor(0x55, 0x55, 0x55), true,
              [this] { Run(CommandId::Calculator); });
}
