#include "app/ui/CMainFrame.h"
#include "app/ui/CServerConnectionDlg.h"
#include "base/Mnemonics.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

class MainWindowTest : public SessionTest {
protected:
    std::unique_ptr<CMainFrame> MakeFrame(CTarvoDoc& doc) {
        return std::make_unique<CMainFrame>(doc, *settings, prompter, printer);
    }
    PrinterSettings printer;
};

TEST_F(MainWindowTest, TheStartViewShowsTitleAndVersionAndOffersADatabase) {
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::Yes);
    auto frame = MakeFrame(*doc);
    frame->show();
    QApplication::processEvents();
    QApplication::processEvents();

    EXPECT_EQ(frame->windowTitle(), "TARVO");
    bool versionShown = false;
    for (QLabel* label : frame->findChildren<QLabel*>())
        versionShown = versionShown || label->text() == "ВЕРСИЯ: 0.12.1-14";
    EXPECT_TRUE(versionShown);
    EXPECT_TRUE(doc->IsOpen());
    // A file made a moment ago has no archive yet, and needs none: no
    // reminder follows the opening.
    if (QFileInfo(QDir(tempDir.path()).filePath("tarvo.db")).birthTime().isValid()) {
        EXPECT_EQ(prompter.Count(), 1) << prompter.Texts().join('|').toStdString();
    }
    EXPECT_EQ(frame->ActiveViewType(), 1);
    EXPECT_FALSE(frame->grab().isNull());
}

// A caption as the user reads it, without its mnemonic mark.
QString plain(const QString& caption) {
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

// "Menu > Submenu > Entry [shortcut]" for every entry, separators left out.
void walk(QMenu* menu, const QString& path, QStringList& out) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString here = path + " > " + plain(action->text());
        if (action->menu()) {
            walk(action->menu(), here, out);
            continue;
        }
        const QString key = action->shortcut().toString();
        out << (key.isEmpty() ? here : here + " [" + key + "]");
    }
}

TEST_F(MainWindowTest, TheMenuBarCarriesTheWholeCommandTableInOrder) {
    auto doc = MakeDoc(tempDir.path());
    auto frame = MakeFrame(*doc);
    QStringList entries;
    for (QAction* top : frame->menuBar()->actions())
        walk(top->menu(), plain(top->text()), entries);

    const QStringList expected = {
        "Система > Оптимизиране на БД ...",
        "Система > Връзка със сървър ...",
        "Система > Архивиране > Създаване на ново архивно копие ... [F11]",
        "Система > Архивиране > Възстановяване от архивно копие ...",
        "Система > Архивиране > Директория за архивите ...",
        "Система > Изход",
        "Номенклатури > Групи ... [Ctrl+F1]",
        "Номенклатури > Материали, изделия и  услуги ... [Ctrl+F2]",
        "Номенклатури > Контрагенти... [Ctrl+F3]",
        "Номенклатури > Банки ...",
        "Номенклатури > Мерни единици...",
        "Номенклатури > Данни на фирмата ...",
        "Операции > Заявки",
        "Операции > Доставки [Ctrl+F4]",
        "Операции > Продажби и фактуриране [Ctrl+F5]",
        "Операции > Производство [Ctrl+F6]",
        "Операции > Оферти",
        "Операции > Приходи и Разходи (каса)",
        "Операции > Ревизии",
        "Операции > Гаранционни Карти",
        "Операции > Фискално устройство > X отчет",
        "Операции > Фискално устройство > Z отчет",
        "Операции > Фискално устройство > Служебно въведени суми ...",
        "Операции > Фискално устройство > Служебно изведени суми ...",
        "Операции > Изтриване на операции и документи > Изтриване на заявки...",
        "Операции > Изтриване на операции и документи > Изтриване на складови разписки...",
        "Операции > Изтриване на операции и документи > Изтриване на документи за произведени изделия...",
        "Операции > Изтриване на операции и документи > Изтриване на стокови разписки...",
        "Операции > Изтриване на операции и документи > Изтриване на фактури...",
        "Операции > Изтриване на операции и документи > Изтриване на дебитни известия...",
        "Операции > Изтриване на операции и документи > Изтриване на кредитни известия...",
        "Операции > Изтриване на операции и документи > Изтриване на гаранционни карти...",
        "Операции > Изтриване на операции и документи > Изтриване на оферти...",
        "Справки > Наличности и вложени средства",
        "Справки > Доставки",
        "Справки > Произведени изделия",
        "Справки > Вложени материали и консумативи",
        "Справки > Обобщена справка за движението на стоки, материали, изделия и услуги",
        "Справки > Реализация по артикули",
        "Справки > Стокооборот по месеци и артикули",
        "Справки > Стокооборот за произволен период по клиенти",
        "Справки > Стокооборот по месеци и клиенти",
        "Справки > Печалба по месеци и артикули",
        "Справки > Печалба по месеци и клиенти",
        "Справки > Диаграма на приходите и разходите",
        "Администриране > Изтриване на документи по типове и периоди ...",
        "Средства > Калкулатор",
        "Настройки > Предпочитания на потребителя > Показвай себестойността на номенклатурите в списъците",
        "Настройки > Предпочитания на потребителя > Показвай скритите номенклатури",
        "Настройки > Предпочитания на потребителя > Позволи отпечатването на стокови разписки без цени",
        "Настройки > Предпочитания на потребителя > Автоматично попълване на името на лицето, приемащо или "
        "предаващо стоките > Използвай последната въведена стойност",
        "Настройки > Предпочитания на потребителя > Автоматично попълване на името на лицето, приемащо или "
        "предаващо стоките > Не попълвай автоматично",
        "Настройки > Предпочитания на потребителя > Автоматично попълване на името на лицето, което съставя "
        "документа > Използвай последната въведена стойност",
        "Настройки > Предпочитания на потребителя > Автоматично попълване на името на лицето, което съставя "
        "документа > Не попълвай автоматично",
        "Настройки > Предпочитания на потребителя > Автоматично попълване на посл. въведено основание за "
        "неначисляване на ДДС",
        "Настройки > Предпочитания на потребителя > Документ по подразбиране при продажба > Продажба със "
        "стокова "
        "разписка",
        "Настройки > Предпочитания на потребителя > Документ по подразбиране при продажба > Продажба с "
        "фактура и "
        "стокова разписка",
        "Настройки > Предпочитания на потребителя > Отпечатването на стокови разписки без номенклатурни "
        "кодове е "
        "позволено",
        "Настройки > Предпочитания на потребителя > Отпечатването на фактури без номенклатурни кодове е "
        "позволено",
        "Настройки > Предпочитания на потребителя > Оцветявай активните текстови полета",
        "Настройки > Предпочитания на потребителя > Автоматична корекция на ориентацията на листа",
        "Настройки > Предпочитания на потребителя > Използвай икономичен печат",
        "Настройки > Предпочитания на потребителя > Настройка на печата...",
        "Настройки > Глобални настройки > Операциите без достатъчна наличност са разрешени",
        "Настройки > Глобални настройки > Точност при изчислението на ед. доставна цена и себестойност > "
        "0.00",
        "Настройки > Глобални настройки > Точност при изчислението на продажна цена > 0.00",
        "Настройки > Глобални настройки > Автоматично предлагай създаването на архив, 24 часа след "
        "последното "
        "архивиране",
        "Настройки > Глобални настройки > Валута > Лев (BGN)",
        "Настройки > Глобални настройки > Валута > Евро (EUR)",
        "Настройки > Глобални настройки > Валута > Преминаване към евро ...",
        "Настройки > Разделител на полетата при експорт в CSV ...",
        "Настройки > Фискално устройство ...",
        "Помощ > Ръководство за работа с продукта... [F1]",
        "Помощ > За програмата ...",
    };
    EXPECT_EQ(entries, expected);

    // Every form the menus name exists and is enabled.
    QMap<QString, bool> enabled;
    for (QAction* action : frame->findChildren<QAction*>())
        enabled[plain(action->text())] = action->isEnabled();
    for (const char* text :
         {"Изход", "Калкулатор", "Показвай скритите номенклатури", "Продажби и фактуриране", "Доставки",
          "Заявки", "Оферти", "Приходи и Разходи (каса)", "Диаграма на приходите и разходите",
          "Вложени материали и консумативи"}) {
        ASSERT_TRUE(enabled.contains(text)) << text;
        EXPECT_TRUE(enabled[text]) << text;
    }
    EXPECT_EQ(prompter.Count(), 0); // building the menus does not touch the database
}

TEST_F(MainWindowTest, TheToolBarHasItsEightButtonsWithTextUnderTheImage) {
    auto doc = MakeDoc(tempDir.path());
    auto frame = MakeFrame(*doc);
    QToolBar* bar = frame->findChild<QToolBar*>("mainToolBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(bar->iconSize(), QSize(20, 20));
    QStringList captions;
    for (QToolButton* button : bar->findChildren<QToolButton*>())
        if (button->objectName() != "qt_toolbar_ext_button")
            captions << button->text();
    EXPECT_EQ(captions, (QStringList{"Групи", "Стоки", "Контрагенти", "Доставки", "Производство", "Продажби",
                                     "Справки", "Калкулатор"}));
    QToolButton* reports = nullptr;
    for (QToolButton* button : bar->findChildren<QToolButton*>())
        if (button->text() == "Справки")
            reports = button;
    ASSERT_NE(reports, nullptr);
    ASSERT_NE(reports->menu(), nullptr);
    EXPECT_EQ(reports->menu()->actions().size(), 12);
}

// Every menu and entry has an Alt+letter, unique within its menu.
void checkMnemonics(const QList<QAction*>& actions, const QString& where) {
    QSet<QChar> letters;
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const QChar letter = MnemonicOf(action->text());
        EXPECT_FALSE(letter.isNull()) << where.toStdString() << " > " << action->text().toStdString();
        EXPECT_FALSE(letters.contains(letter))
            << where.toStdString() << " > " << action->text().toStdString();
        letters.insert(letter);
        if (action->menu())
            checkMnemonics(action->menu()->actions(), where + " > " + plain(action->text()));
    }
}

TEST_F(MainWindowTest, EveryMenuEntryHasItsOwnAltLetter) {
    auto doc = MakeDoc(tempDir.path());
    auto frame = MakeFrame(*doc);
    checkMnemonics(frame->menuBar()->actions(), "меню");
    EXPECT_EQ(frame->menuBar()->actions()[0]->text(), "&Система");
}

TEST_F(MainWindowTest, ToggleEntriesShowAndFlipTheStoredValue) {
    auto doc = MakeDoc(tempDir.path());
    auto frame = MakeFrame(*doc);
    QAction* hidden = nullptr;
    for (QAction* action : frame->findChildren<QAction*>())
        if (plain(action->text()) == "Показвай скритите номенклатури")
            hidden = action;
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->isCheckable());
    hidden->trigger();
    EXPECT_EQ(settings->ShowHiddenItems(), 1);
    hidden->trigger();
    EXPECT_EQ(settings->ShowHiddenItems(), 0);
}

// The server's dialog waits for a server and a database, and its location
// never carries the password.
TEST(ServerConnectionDialogTest, NeedsServerAndDatabaseAndKeepsThePasswordApart) {
    CServerConnectionDlg dialog;
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    dialog.ServerEdit()->setText("sklad.local");
    EXPECT_FALSE(ok->isEnabled());
    dialog.DatabaseEdit()->setText("firma");
    dialog.UserEdit()->setText("иван");
    dialog.PasswordEdit()->setText("тайна");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.Location(), "postgresql://%D0%B8%D0%B2%D0%B0%D0%BD@sklad.local/firma");
    EXPECT_EQ(dialog.Password(), "тайна");
    EXPECT_EQ(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    dialog.ServerEdit()->setText("/var/run/postgresql");
    EXPECT_EQ(dialog.Location(), "postgresql://%D0%B8%D0%B2%D0%B0%D0%BD@/firma?host=%2Fvar%2Frun%2Fpostgresql");
}

} // namespace
