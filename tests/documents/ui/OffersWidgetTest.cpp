// The offers form as the clerk sees it: its buttons, the VAT box by the
// firm's registration, the totals following the discount, and a print that
// waits for the save.
#include "app/ui/CMainFrame.h"
#include "base/ui/DecimalSpinBox.h"
#include "documents/ui/COffersDlg.h"
#include "lists/ui/CSortListCtrl.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/ScriptedChoosers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
class OffersWidgetTest : public DatabaseTest {};

TEST_F(OffersWidgetTest, ButtonsVatBoxTotalsAndPrint) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO firmdata VALUES('Тарво', '', 'Русе', '', '', '', '', '', '1', '', 0, 20);"
                  "INSERT INTO offers VALUES(1, '2026-12-01', 'Мария', 'кабели', '', '', 'Иван', 1, 10);"
                  "INSERT INTO offers_cmp VALUES(1, '2026-12-01', NULL, 'Кабел', 'м', 2, 50);"));
    FakeFormHost host(prompter, *settings);
    COffersDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ОФЕРТИ");
    QStringList captions;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        captions << button->text();
    for (const char* caption :
         {" F6  зареждане ...", " F7  нова оферта", " F2  стоки ...", " F3  промяна ...", " F4  изтрий",
          " изтрий всички", " F5  допълнителни данни за офертата ...", " F8  печат ...", " F9  запис",
          " F10 изход"})
        EXPECT_TRUE(captions.contains(caption)) << caption;
    EXPECT_FALSE(form.VatCheck()->isEnabled()); // the firm is not VAT registered
    EXPECT_FALSE(form.EditButton()->isEnabled());
    EXPECT_EQ(form.TotalFields()[0]->text(), "0.00 ");

    ScriptedDocuments documents;
    documents.choices.push_back({1, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(form.Behaviour().Load(documents));
    form.Show();
    // The stored choice stays, but the firm can no longer change it.
    EXPECT_TRUE(form.VatCheck()->isChecked());
    EXPECT_FALSE(form.VatCheck()->isEnabled());
    EXPECT_EQ(form.List()->RowCount(), 1);
    QStringList totals;
    for (QLineEdit* field : form.TotalFields())
        totals << field->text();
    EXPECT_EQ(totals, QStringList({"100.00 ", "10.00 ", "18.00 ", "108.00 "}));

    form.Discount()->setValue(5);
    EXPECT_EQ(form.TotalFields()[1]->text(), "5.00 ");
    EXPECT_EQ(form.TotalFields()[3]->text(), "114.00 ");
    const auto button = [&form](const char* caption) {
        for (QPushButton* b : form.findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return static_cast<QPushButton*>(nullptr);
    };
    button(" F8  печат ...")->click();
    EXPECT_TRUE(host.previewed.empty());
    EXPECT_EQ(prompter.Texts().last(),
              "За да отпечатите офертата е необходимо първо да съхраните промените. Моля, "
              "натиснете бутона за запис.");
    button(" F9  запис")->click();
    EXPECT_EQ(Scalar("SELECT discount FROM offers;"), "5");
    button(" F8  печат ...")->click();
    ASSERT_EQ(host.previewed.size(), 1u);
    EXPECT_TRUE(host.previewed[0].contains(" - TO 5%:"));
}

TEST_F(OffersWidgetTest, TheMenuOpensTheForm) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kOffers);
    auto* form = qobject_cast<COffersDlg*>(frame.centralWidget());
    ASSERT_NE(form, nullptr);
    // A changed offer is not left without the question.
    form->Discount()->setValue(5);
    prompter.Expect(Answer::No);
    frame.SwitchView(ViewType::kStart);
    EXPECT_EQ(frame.centralWidget(), form);
    prompter.Expect(Answer::Yes);
    frame.SwitchView(ViewType::kStart);
    EXPECT_NE(frame.centralWidget(), form);
    EXPECT_TRUE(prompter.AllAnswersUsed());
}
} // namespace
