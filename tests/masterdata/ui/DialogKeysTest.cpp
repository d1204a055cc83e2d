// The master-data dialogs as a clerk meets them with the keyboard: where the
// focus starts, where Tab goes, what Enter does, and that a refusal keeps
// what was typed.
#include "masterdata/ui/CBanksDlg.h"
#include "masterdata/ui/CFirmDataDlg.h"
#include "masterdata/ui/CGroupEditDlg.h"
#include "masterdata/ui/CPartnerDlg.h"
#include "masterdata/ui/CUnitsEditorDlg.h"
#include "support/DatabaseTest.h"
#include "support/FocusChain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

using DialogKeysTest = DatabaseTest;

QLineEdit* fieldNamed(QWidget& dialog, const QString& label) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (DescribeWidget(edit) == label)
            return edit;
    return nullptr;
}

TEST_F(DialogKeysTest, ThePartnerCardStartsAtTheNameAndTabReadsItDownwards) {
    Partner blank;
    blank.isCustomer = blank.isSupplier = 0;
    CPartnerDlg dialog(blank, prompter, [](Partner&) { return true; });
    EXPECT_EQ(FocusChain(dialog), (QStringList{"наименование на фирмата / лицето:",
                                               "наименование на фирмата / лицето (на латиница):",
                                               "населено място:",
                                               "населено място (на латиница):",
                                               "данъчен адрес:",
                                               "данъчен адрес (на латиница):",
                                               "Идент. № / ЕГН",
                                               "Идент. ДДС №",
                                               "контрагентът е регистриран по ЗДДС",
                                               "МОЛ",
                                               "МОЛ (на латиница):",
                                               "телефони за контакт:",
                                               "факс:",
                                               "E-mail:",
                                               "уеб страница:",
                                               "наименование на банката:",
                                               "банков клон:",
                                               "BIC",
                                               "IBAN",
                                               "предпочита плащане",
                                               "по подразбиране купува по:",
                                               "забележки:",
                                               "Cancel",
                                               "клиент",
                                               "доставчик"})); // OK waits for a name
}

// A refused save (the name is taken) leaves the card open as it was typed.
TEST_F(DialogKeysTest, ARefusedPartnerStaysOnScreenAsTyped) {
    Partner blank;
    int saves = 0;
    CPartnerDlg dialog(blank, prompter, [&](Partner&) {
        ++saves;
        return false;
    });
    dialog.show();
    fieldNamed(dialog, "наименование на фирмата / лицето:")->setText("Алфа ООД");
    fieldNamed(dialog, "населено място:")->setText("Варна");
    QMetaObject::invokeMethod(&dialog, "accept"); // as OK does
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.Record().name, "Алфа ООД");
    EXPECT_EQ(dialog.Record().city, "Варна");
}

TEST_F(DialogKeysTest, TheFirmDataGoDownTheFormThenTheButtons) {
    CFirmDataDlg dialog(*doc, prompter);
    EXPECT_EQ(FocusChain(dialog),
              (QStringList{"име на фирмата:", "име на фирмата (на латиница):", "населено място:",
                           "населено място (на латиница):", "данъчен адрес:", "данъчен адрес (на латиница):",
                           "М.О.Л.:", "М.О.Л. (на латиница):", "ИДЕНТ. № / ЕГН", "ИДЕНТ. ДДС №",
                           "регистрация по ЗДДС", "СТАВКА ПО ЗДДС %:", "Банкови сметки на фирмата", "Запис",
                           "Отказ"}));
}

// Enter in the bank fields adds the account; the fields come before the
// buttons and the list.
TEST_F(DialogKeysTest, EnterInTheBankFieldsSavesTheAccount) {
    CBanksDlg dialog(*doc, prompter);
    EXPECT_EQ(FocusChain(dialog),
              (QStringList{"БАНКА:", "КЛОН:", "BIC:", "IBAN:", "добави тази сметка", "изход", "сметки"}));
    fieldNamed(dialog, "БАНКА:")->setText("УниКредит");
    fieldNamed(dialog, "КЛОН:")->setText("Варна");
    fieldNamed(dialog, "BIC:")->setText("unc rbgsf");
    QLineEdit* account = fieldNamed(dialog, "IBAN:");
    account->setText("BG80 UNCR 7000 1512 3456 78");
    account->setFocus();
    QTest::keyClick(account, Qt::Key_Return);
    ASSERT_EQ(dialog.Behaviour().Accounts().size(), 1u);
    EXPECT_EQ(dialog.Behaviour().Accounts()[0].code, "UNCRBGSF");
    EXPECT_TRUE(account->text().isEmpty());
}

// A new group starts at the top level and says so; ticking the box shows
// the whole path of the group stood on; a refused name keeps the dialog.
TEST_F(DialogKeysTest, TheGroupDialogShowsWhereTheGroupGoes) {
    GroupsEditor editor(Db(), prompter);
    int top = 0, sub = 0;
    ASSERT_TRUE(editor.Create("Електроматериали и осветителни тела", 0, &top));
    ASSERT_TRUE(editor.Create("Кабели и проводници за открит монтаж", top, &sub));
    int saves = 0;
    CGroupEditDlg dialog(editor, Group(), sub, [&](const QString&, int) {
        ++saves;
        return false;
    });
    EXPECT_EQ(FocusChain(dialog),
              (QStringList{"наименование на групата:", "подгрупа на (изберете с двойно кликване)", "групи",
                           "OK", "Cancel"}));
    auto* subgroup = dialog.findChild<QCheckBox*>();
    EXPECT_FALSE(subgroup->isChecked());
    EXPECT_EQ(dialog.ParentId(), 0);
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("група на най-горно ниво"));
    subgroup->setChecked(true);
    labels.clear();
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(
        "подгрупа на: Електроматериали и осветителни тела › Кабели и проводници за открит монтаж"));
    EXPECT_EQ(dialog.ParentId(), sub);

    fieldNamed(dialog, "наименование на групата:")->setText("Силови");
    QMetaObject::invokeMethod(&dialog, "accept"); // as OK does
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Name(), "Силови");
}

// The editor opens with no unit picked: typing a unit and pressing Enter
// adds it and renames nothing.
TEST_F(DialogKeysTest, TheUnitsEditorAddsWhatIsTyped) {
    ASSERT_TRUE(Db().Exec("INSERT INTO units VALUES('бр.');"
                          "INSERT INTO stocks (code, units) VALUES('A', 'бр.');"));
    CUnitsEditorDlg dialog(Db(), prompter);
    EXPECT_EQ(FocusChain(dialog),
              (QStringList{"добавяне | редактиране", "мярка", "Редактирай", "Опресни", "Изход"}));
    QLineEdit* edit = fieldNamed(dialog, "добавяне | редактиране");
    edit->setFocus();
    edit->insert("кг"); // as typed
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Scalar("SELECT group_concat(unit) FROM (SELECT unit FROM units ORDER BY unit) AS t;"), "бр.,кг");
    EXPECT_EQ(Scalar("SELECT units FROM stocks WHERE code = 'A';"), "бр.");
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_EQ(dialog.findChild<QListWidget*>()->count(), 2);
}

} // namespace
