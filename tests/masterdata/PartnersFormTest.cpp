#include "masterdata/PartnersForm.h"

#include "base/TextInput.h"
#include "support/DatabaseTest.h"
#include "support/ScriptedChoosers.h"

#include <deque>

namespace {

// Answers the partner dialog with prepared changes and presses OK once; a
// refused save leaves the dialog, which the user then cancels.
class ScriptedPartnerEditor : public PartnerEditor {
public:
    bool EditPartner(Partner& record, const Save& save) override {
        shown.push_back(record);
        if (edits.empty())
            return false;
        edits.front()(record);
        edits.pop_front();
        Partner typed = record;
        if (!save(typed)) {
            refused.push_back(record);
            return false;
        }
        record = typed;
        return true;
    }
    std::deque<std::function<void(Partner&)>> edits;
    std::vector<Partner> shown;
    std::vector<Partner> refused; // as typed when the save was refused
};

class PartnersFormTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        form = std::make_unique<PartnersForm>(Db(), prompter);
    }
    int Add(const QString& name, int customer, int supplier, const QString& city = QString()) {
        editor.edits.push_back([=](Partner& p) {
            p.name = name;
            p.isCustomer = customer;
            p.isSupplier = supplier;
            p.city = city;
        });
        return form->Create(editor);
    }
    std::unique_ptr<PartnersForm> form;
    ScriptedPartnerEditor editor;
};

TEST_F(PartnersFormTest, TabsAndSearchChooseTheRows) {
    Add("Алфа ООД", 1, 0, "Варна");
    Add("Бета ЕООД", 0, 1, "София");
    Add("Гама АД", 1, 1, "Пловдив");
    ASSERT_TRUE(form->Reload());
    EXPECT_EQ(form->Rows().size(), 3u);
    form->SetTab(PartnerTab::Customers);
    ASSERT_TRUE(form->Reload());
    EXPECT_EQ(form->Rows().size(), 2u);
    form->SetTab(PartnerTab::Suppliers);
    ASSERT_TRUE(form->Reload());
    ASSERT_EQ(form->Rows().size(), 2u);
    EXPECT_EQ(form->Rows()[0].name, "Бета ЕООД");

    // A search text in the city finds the partner whose name lacks it.
    ScriptedTextInput input;
    input.answer = QString("софия");
    form->SetTab(PartnerTab::All);
    ASSERT_TRUE(form->AskSearch(input));
    ASSERT_EQ(form->Rows().size(), 1u);
    EXPECT_EQ(form->Rows()[0].name, "Бета ЕООД");
    // Among the customers it finds nothing, and offers the tab that has it.
    form->SetTab(PartnerTab::Customers);
    ASSERT_TRUE(form->AskSearch(input));
    ASSERT_TRUE(form->Rows().empty());
    prompter.Expect(Answer::Yes);
    EXPECT_EQ(form->OfferOtherTab(), PartnerTab::All);
    form->SetTab(PartnerTab::All);
    ASSERT_TRUE(form->Refresh());
    EXPECT_EQ(form->Rows().size(), 3u);
}

TEST_F(PartnersFormTest, ANewPartnerStartsBlankAndNamesDoNotRepeat) {
    EXPECT_EQ(Add("Д'Артанян & \"Синове\" -- ООД", 1, 0), 0);
    ASSERT_EQ(editor.shown.size(), 1u);
    const Partner& blank = editor.shown[0];
    EXPECT_EQ(blank.id, 0);
    EXPECT_EQ(blank.isCustomer + blank.isSupplier, 0);
    EXPECT_EQ(blank.defaultPrice, 1);
    EXPECT_EQ(blank.preferPayment, 0);
    EXPECT_EQ(PartnerRules::DialogTitle(blank), "създаване на контрагент");
    EXPECT_EQ(form->Rows()[0].id, 1);

    // The same name again, in other letters' case or with spaces around it.
    EXPECT_EQ(Add("д'артанян & \"синове\" -- ООД", 0, 1), -1);
    EXPECT_EQ(Add("  Д'Артанян & \"Синове\" -- ООД  ", 0, 1), -1);
    const QString taken = "Възникнала е грешка. Данните не са съхранени.\n\nВече има контрагент с това "
                          "наименование. Моля, въведете друго наименование.";
    EXPECT_EQ(prompter.Texts(), (QStringList{taken, taken}));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM partners;"), "1");
    // The dialog stayed open with the card as typed.
    ASSERT_EQ(editor.refused.size(), 2u);
    EXPECT_EQ(editor.refused[1].name, "  Д'Артанян & \"Синове\" -- ООД  ");
    EXPECT_EQ(editor.refused[1].isSupplier, 1);

    // Cancelling the dialog saves nothing.
    EXPECT_EQ(form->Create(editor), -1);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM partners;"), "1");
}

TEST_F(PartnersFormTest, EditingFillsTheLatinFieldsAndKeepsWhatWasTyped) {
    Add("Гама АД", 1, 0, "Пловдив");
    editor.edits.push_back([](Partner& p) {
        p.email = "не е адрес";
        p.bankAccount = "bg80 bnbg 9661 1020 3456 78";
        p.name = " Гама АД ";
    });
    ASSERT_TRUE(form->Edit(0, editor));
    const Partner& loaded = editor.shown.back();
    EXPECT_EQ(PartnerRules::DialogTitle(loaded), "редактиране на контрагент");
    EXPECT_EQ(loaded.nameLat, "Гама АД");
    EXPECT_EQ(loaded.cityLat, "Пловдив");
    EXPECT_EQ(Scalar("SELECT partner_name || '|' || partner_name_lat || '|' || partner_city_lat || '|' || "
                     "partner_email || '|' || partner_bank_acc FROM partners;"),
              "Гама АД|Гама АД|Пловдив|не е адрес|BG80BNBG96611020345678");
    EXPECT_EQ(form->Rows()[0].bankAccount, "BG80BNBG96611020345678");
}

TEST_F(PartnersFormTest, PartnersNamedByStockDocumentsStay) {
    Add("Първи", 1, 0);
    Add("Втори", 1, 0);
    Add("Трети", 1, 0);
    Add("Четвърти", 1, 0);
    ASSERT_TRUE(Db().Exec("INSERT INTO stokovi_main (doc_id, partner_id) VALUES(1, 1);"
                          "INSERT INTO supplies_main (doc_id, partner_id) VALUES(1, 2);"
                          "INSERT INTO cash_register (osnovanie, doc_dt, pay_to_dt, description, partner_id) "
                          "VALUES('', '2026-12-08', '2026-12-08', '', 3);"
                          "INSERT INTO invoices_main (doc_id, partner_id) VALUES(1, 4);"
                          "INSERT INTO proforms_main (doc_id, partner_id) VALUES(1, 4);"));
    // Each of the three kinds of document keeps its partner.
    for (int row = 0; row < 3; ++row) {
        prompter.Expect(Answer::Yes);
        EXPECT_FALSE(form->Delete(row)) << row;
        EXPECT_EQ(prompter.Texts().last(),
                  "Изрбаният контрагент не може да бъде изтрит, защото участва в операции!");
    }
    EXPECT_EQ(form->Rows().size(), 4u);

    // Invoices and pro-formas do not keep a partner.
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->Delete(3));
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(form->Delete(3));
    EXPECT_EQ(form->Rows().size(), 3u);
    EXPECT_EQ(prompter.Boxes().back().text, "Потвърждавате ли изтриването на този контрагент?");
    // The highest id is free again.
    EXPECT_EQ(Add("Пети", 0, 1), 3);
    EXPECT_EQ(form->Rows().back().id, 4);
}

TEST(PartnerRules, OkNeedsANameAndAKindAndTheMessagesComeInOrder) {
    ScriptedPrompter prompter;
    Partner partner;
    partner.isCustomer = partner.isSupplier = 0;
    EXPECT_FALSE(PartnerRules::CanAccept(partner));
    EXPECT_FALSE(PartnerRules::Validate(partner, prompter));
    partner.name = "   ";
    EXPECT_FALSE(PartnerRules::Validate(partner, prompter));
    partner.name = "Име";
    EXPECT_FALSE(PartnerRules::CanAccept(partner));
    EXPECT_FALSE(PartnerRules::Validate(partner, prompter));
    partner.isSupplier = 1;
    EXPECT_TRUE(PartnerRules::CanAccept(partner));
    EXPECT_TRUE(PartnerRules::Validate(partner, prompter));
    EXPECT_EQ(prompter.Texts(),
              (QStringList{"Моля, впишете наименование на фирмата/лицето.",
                           "Моля, впишете наименование на фирмата/лицето.",
                           "Необходимо е да укажете, дали контрагентът е клиент или доставчик."}));
}

// Their speed is measured by the partners benchmark.
TEST_F(PartnersFormTest, FiveThousandPartnersAreAllListed) {
    ASSERT_TRUE(Db().Exec("BEGIN;"));
    for (int i = 1; i <= 5000; ++i)
        ASSERT_TRUE(
            Db().ExecPrintf("INSERT INTO partners (partner_id, partner_name, partner_city, partner_mol) "
                            "VALUES(?, ?, ?, ?);",
                            i, QString("Фирма %1 ООД").arg(i), QString("Град %1").arg(i % 100), QString("Управител %1").arg(i)));
    ASSERT_TRUE(Db().Exec("COMMIT;"));
    ASSERT_TRUE(form->Reload());
    EXPECT_EQ(form->Rows().size(), 5000u);
}

} // namespace
