#include "app/MainFrame.h"
#include "masterdata/BanksEditor.h"
#include "masterdata/FirmDataForm.h"
#include "session/ViewType.h"
#include "support/DatabaseTest.h"

namespace {

using FirmDataFormTest = DatabaseTest;

FirmData validFirm() {
    FirmData firm;
    firm.firmName = "Тарво ООД";
    firm.city = "Габрово";
    firm.address = "ул. \"Априловска\" 5";
    firm.mol = "Петя О'Нийл";
    firm.taxId = "203040506";
    firm.vatValue = 20;
    return firm;
}

TEST_F(FirmDataFormTest, TheRequiredFieldsFollowTheVatStatus) {
    FirmDataForm form(Db(), prompter);
    EXPECT_EQ(form.Load().vatValue, 20); // a new file has no row yet
    FirmData firm = validFirm();
    firm.mol.clear();
    EXPECT_FALSE(form.Save(firm));
    firm = validFirm();
    firm.taxId.clear();
    EXPECT_FALSE(form.Save(firm)); // not registered: the identification number is needed
    firm.vatRegistered = 1;
    EXPECT_FALSE(form.Save(firm)); // registered: the VAT number is needed
    firm.bulstat = "BG203040506";
    EXPECT_TRUE(form.Save(firm));
    ASSERT_EQ(prompter.Count(), 3);
    for (const auto& box : prompter.Boxes()) {
        EXPECT_EQ(box.text, "Не сте попълнили някои от задължителните данни.");
        EXPECT_EQ(box.icon, MessageIcon::Stop);
    }
    EXPECT_EQ(form.Load().mol, "Петя О'Нийл");
}

TEST_F(FirmDataFormTest, TheRateLiesStrictlyBetweenZeroAndAHundred) {
    FirmDataForm form(Db(), prompter);
    FirmData firm = validFirm();
    for (double bad : {0.0, 100.0, -5.0, 0.004}) {
        firm.vatValue = bad;
        EXPECT_FALSE(form.Save(firm)) << bad;
    }
    EXPECT_EQ(prompter.Count(), 4);
    EXPECT_TRUE(prompter.Texts()[0].startsWith("Указали сте невалидна стойност за ставка по ДДС!"));
    firm.vatValue = 0.01;
    EXPECT_TRUE(form.Save(firm));
    firm.vatValue = 99.99;
    EXPECT_TRUE(form.Save(firm));
    firm.vatValue = 9.005;
    EXPECT_TRUE(form.Save(firm));
    EXPECT_EQ(Scalar("SELECT COUNT(*) || '|' || MAX(vat_value) FROM firmdata;"), "1|9.01"); // one row, 2 decimals
}

TEST_F(FirmDataFormTest, SavedDataOpenSalesAndDeliveries) {
    FirmDataForm form(Db(), prompter);
    MainFrame frame(*doc, prompter);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(frame.OpenForm(ViewType::kSales));
    ASSERT_TRUE(form.Save(validFirm()));
    EXPECT_TRUE(frame.OpenForm(ViewType::kSales));
    EXPECT_TRUE(frame.OpenForm(ViewType::kDeliveries));

    FirmData registered = validFirm();
    registered.vatRegistered = 1;
    registered.taxId.clear();
    registered.bulstat = "BG203040506";
    ASSERT_TRUE(form.Save(registered));
    EXPECT_TRUE(frame.OpenForm(ViewType::kSales));
    EXPECT_EQ(prompter.Count(), 1);
}

TEST_F(FirmDataFormTest, AFailedSaveKeepsTheOldRow) {
    SKIP_ON_SERVER("the file's busy answer");
    FirmDataForm form(Db(), prompter);
    ASSERT_TRUE(form.Save(validFirm()));
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("BEGIN IMMEDIATE;").Ok());
    FirmData changed = validFirm();
    changed.firmName = "Ново име";
    EXPECT_FALSE(form.Save(changed));
    ASSERT_TRUE(other->Exec("COMMIT;").Ok());
    EXPECT_EQ(Scalar("SELECT firm_name FROM firmdata;"), "Тарво ООД");
}

class BanksEditorTest : public DatabaseTest {
protected:
    Bank Account(const char* name, const char* iban) { return {0, name, "Център", "bic1", iban}; }
};

TEST_F(BanksEditorTest, AccountsAreListedByNameAndEditedInPlace) {
    BanksEditor editor(*doc, sleeper, prompter);
    EXPECT_EQ(editor.SaveCaption(), "добави тази сметка");
    ASSERT_TRUE(editor.Save(Account("Първа инвестиционна", "BG11 1111")));
    ASSERT_TRUE(editor.Save(Account("Банка ДСК", "BG22 2222")));
    ASSERT_TRUE(editor.Save(Account("Д'Оро банк", "BG33 3333")));
    ASSERT_EQ(editor.Accounts().size(), 3u);
    EXPECT_EQ(editor.Accounts()[0].name, "Банка ДСК");
    EXPECT_EQ(editor.Accounts()[1].name, "Д'Оро банк");
    EXPECT_EQ(editor.Accounts()[2].name, "Първа инвестиционна");
    EXPECT_EQ(editor.Accounts()[0].account, "BG222222");
    EXPECT_EQ(editor.Accounts()[0].code, "BIC1");

    const int id = editor.Accounts()[1].id;
    ASSERT_TRUE(editor.StartEditing(id));
    EXPECT_EQ(editor.SaveCaption(), "съхрани промените");
    Bank changed = editor.Editing();
    changed.branch = "Клон 'Запад'";
    ASSERT_TRUE(editor.Save(changed));
    EXPECT_EQ(editor.SaveCaption(), "добави тази сметка");
    EXPECT_EQ(Scalar(QString("SELECT branch FROM banks WHERE id = %1;").arg(id).toUtf8()), "Клон 'Запад'");

    EXPECT_FALSE(editor.Save({0, "Име", "", "BIC", "IBAN"}));
    EXPECT_EQ(prompter.Texts(), QStringList{"Не сте попълнили всички необходими полета."});
}

TEST_F(BanksEditorTest, AnAccountNamedByADocumentStaysAndDeletingTheEditedOneClearsIt) {
    BanksEditor editor(*doc, sleeper, prompter);
    ASSERT_TRUE(editor.Save(Account("Банка", "BG1")));
    ASSERT_TRUE(editor.Save(Account("Друга", "BG2")));
    const int named = editor.Accounts()[0].id;
    const int free = editor.Accounts()[1].id;
    ASSERT_TRUE(
        Db().ExecPrintf("INSERT INTO proforms_firmdata (doc_id, firm_bank_id) VALUES(1, ?);", named));
    prompter.Expect(Answer::Yes);
    EXPECT_FALSE(editor.Delete(named));
    EXPECT_EQ(prompter.Texts().last(), "Тази сметка не може да бъде изтрита, защото участва в операции!");
    EXPECT_EQ(prompter.Boxes()[0].text, "Сигурни ли сте, че желаете да изтриете този запис?");
    EXPECT_EQ(prompter.Boxes()[0].icon, MessageIcon::Exclamation);

    ASSERT_TRUE(editor.StartEditing(free));
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(editor.Delete(free));
    EXPECT_EQ(editor.Editing().id, 0);
    EXPECT_TRUE(editor.Editing().name.isEmpty());
    EXPECT_EQ(editor.SaveCaption(), "добави тази сметка");
    EXPECT_EQ(editor.Accounts().size(), 1u);
}

TEST_F(BanksEditorTest, ItsStatementsWaitFiftyTimes) {
    SKIP_ON_SERVER("the file's busy answer");
    BanksEditor editor(*doc, sleeper, prompter);
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("BEGIN EXCLUSIVE;").Ok());
    EXPECT_FALSE(editor.Reload());
    EXPECT_EQ(sleeper.pauses.size(), 50u);
    EXPECT_TRUE(prompter.Texts().last().startsWith("Базата данни беше недостъпна"));
    ASSERT_TRUE(other->Exec("COMMIT;").Ok());
}

} // namespace
