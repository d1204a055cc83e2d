// The warranty card form as the clerk sees it: its buttons, the split and
// merge buttons following the selection, the base-document field.
#include "app/ui/CMainFrame.h"
#include "base/ui/GuiDirectoryChooser.h"
#include "documents/ui/CWarrantyCardDetailsDlg.h"
#include "documents/ui/CWarrantyCardLineDlg.h"
#include "documents/ui/CWarrantyCardDlg.h"
#include "lists/ui/CSortListCtrl.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/FocusChain.h"
#include "support/ScriptedChoosers.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
class WarrantyCardWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO partners (partner_id, partner_is_customer, partner_name) VALUES(1, 1, 'Алфа ООД');"
            "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id) VALUES(5, '2026-12-01', 1);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, item_code, item_name, item_units, quantity) "
            "VALUES(5, '2026-12-01', 1, 'K1', 'Кабел', 'м', 3);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, item_code, item_name, item_units, quantity) "
            "VALUES(5, '2026-12-01', 2, 'K2', 'Щепсел', 'бр.', 1);"));
    }
    static void Select(CSortListCtrl* list, std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

TEST_F(WarrantyCardWidgetTest, SplitAndMergeFollowTheSelection) {
    FakeFormHost host(prompter, *settings);
    CWarrantyCardDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ГАРАНЦИОННИ КАРТИ");
    EXPECT_EQ(form.BaseDocument()->text(), "БЕЗ БАЗОВ ДОКУМЕНТ");
    QStringList captions;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        captions << button->text();
    for (const char* caption :
         {" F6  зареждане...", " F7  нов документ...", " F8  избор или създаване на клиент ...",
          " F5  допълнителни данни...", " разделяне", " обединяване", " F2  стоки  ...", " F3  промяна ...",
          " F4  изтрий", " F9  запис и печат", " F10  изход"})
        EXPECT_TRUE(captions.contains(caption)) << caption;

    ScriptedDocuments documents;
    documents.choices.push_back({5, QString(), QDate(), QString(), {}});
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form.Behaviour().NewFromDocument(WarrantyCard::GoodsNote, documents));
    form.Show();
    EXPECT_EQ(form.BaseDocument()->text(), "КЪМ СТ. Р-КА № 0000000005");
    ASSERT_EQ(form.List()->RowCount(), 2);
    Select(form.List(), {0});
    EXPECT_TRUE(form.SplitButton()->isEnabled());
    EXPECT_FALSE(form.MergeButton()->isEnabled());
    prompter.Expect(Answer::Yes);
    form.SplitButton()->click();
    ASSERT_EQ(form.List()->RowCount(), 4);
    Select(form.List(), {0, 1});
    EXPECT_FALSE(form.SplitButton()->isEnabled());
    EXPECT_TRUE(form.MergeButton()->isEnabled());
    Select(form.List(), {2, 3});
    EXPECT_FALSE(form.MergeButton()->isEnabled()); // a piece of K1 and K2

    // The line worked on stays selected.
    Select(form.List(), {1, 2});
    prompter.Expect(Answer::Yes);
    form.MergeButton()->click();
    ASSERT_EQ(form.List()->RowCount(), 3);
    EXPECT_EQ(form.List()->SelectedSources(), std::vector<int>{1});

    // The new card shows the number it is going to get.
    QStringList fields;
    for (QLineEdit* field : form.findChildren<QLineEdit*>())
        fields << field->text();
    EXPECT_TRUE(fields.contains("0000000001")) << fields.join("|").toStdString();
}

TEST_F(WarrantyCardWidgetTest, TheMenuOpensTheForm) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kWarrantyCards);
    auto* form = qobject_cast<CWarrantyCardDlg*>(frame.centralWidget());
    ASSERT_NE(form, nullptr);
    // A changed card is not left without the question.
    form->Behaviour().SetTerm(36);
    prompter.Expect(Answer::No);
    frame.SwitchView(ViewType::kStart);
    EXPECT_EQ(frame.centralWidget(), form);
    EXPECT_TRUE(prompter.AllAnswersUsed());

    // F10 from inside the form, as the clerk presses it: the form's own
    // button acts (it asks), and leaves on Yes.
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    form->List()->setFocus();
    prompter.Expect(Answer::No);
    QTest::keyClick(form->List(), Qt::Key_F10);
    EXPECT_TRUE(prompter.AllAnswersUsed());
    EXPECT_EQ(frame.centralWidget(), form);
    prompter.Expect(Answer::Yes);
    QTest::keyClick(form->List(), Qt::Key_F10);
    EXPECT_TRUE(prompter.AllAnswersUsed());
    EXPECT_NE(qobject_cast<CWarrantyCardDlg*>(frame.centralWidget()), form);
}
// Both dialogs start at their first field and Tab reads them downwards;
// Tab in the conditions moves on instead of typing a tab.
TEST_F(WarrantyCardWidgetTest, TheDialogsAreReadTopToBottom) {
    CWarrantyCardLineDlg line({"K1", "Кабел", "м", 1, QString(), 12, QString()}, {"м", "бр."}, prompter);
    EXPECT_EQ(FocusChain(line),
              (QStringList{"сериен номер:", "наименование на артикула:", "количество:", "мярка:",
                           "в гаранция за (мес.):", "забележки:", "OK", "Отказ"}));
    GuiDirectoryChooser folders;
    CWarrantyCardDetailsDlg details({"Условия", WarrantyCard::AboveTable, "./head.bmp"}, prompter, *settings, folders);
    EXPECT_EQ(FocusChain(details), (QStringList{"условия на гаранцията:", "над таблицата",
                                                "местоположение на файла с логото и контактната информация "
                                                "(head.bmp)",
                                                "...", "OK", "Отказ"}));
}
} // namespace
