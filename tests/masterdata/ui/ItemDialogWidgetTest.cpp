#include "masterdata/ui/CItemDlg.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/FocusChain.h"
#include "support/TestFirm.h"

#include <QPushButton>

namespace {

class ItemDialogWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Кабели', 0);"
                              "INSERT INTO stocks_cmp VALUES('P1', 'K1', 2, 0);"));
        ASSERT_TRUE(
            AddStocks(Db(), {StockRow("K1", "Кабел")
                                 .Unit("м")
                                 .Quantity(12.5)
                                 .Min(1)
                                 .Cost(1.5)
                                 .Prices(2, 3)
                                 .Last(1.4)
                                 .Material(),
                             StockRow("P1", "Удължител").Quantity(4).Cost(3).Prices(20, 0).Recipe()}));
    }
    QPushButton* Button(QWidget* parent, const QString& text) {
        for (QPushButton* button : parent->findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
};

// The recipe is printed through the form's host, which previews it with the
// printer chosen for the whole program.
TEST_F(ItemDialogWidgetTest, TheRecipePrintGoesToTheHostsPreview) {
    FakeFormHost host(prompter, *settings);
    Item source;
    ASSERT_TRUE(LoadItem(Db(), "P1", source));
    ItemForm form(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Edit, source);
    CItemDlg dialog(form, *doc, host);
    QPushButton* print = Button(&dialog, "отпечатване на принтер (F8)");
    ASSERT_NE(print, nullptr);
    print->click();
    ASSERT_EQ(host.previewed.size(), 1u);
    EXPECT_TRUE(host.previewed[0].contains("РАЗХОДНА НОРМА: Удължител"));
    EXPECT_TRUE(host.previewed[0].contains("K1"));
}

// Tab follows the reading order: the fields top to bottom, then the buttons.
TEST_F(ItemDialogWidgetTest, TabWalksTheFieldsInReadingOrderThenTheButtons) {
    FakeFormHost host(prompter, *settings);
    ItemForm goods(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Create, Item());
    CItemDlg goodsDialog(goods, *doc, host);
    EXPECT_EQ(FocusChain(goodsDialog),
              (QStringList{"номенклатурен код", "наименование на артикула", "мярка", " мин. наличност ",
                           "продажна цена #1", "продажна цена #2", "себестойност", "посл. доставна цена",
                           "материал", "скрита номенклатура", "кодове по номенклатурата на контрагенти ...",
                           "избор (F3)", "допълнителни продажни цени по клиенти...", "^ промяна",
                           "съхраняване и добавяне към списъка", "отказ"}));

    Item source;
    ASSERT_TRUE(LoadItem(Db(), "P1", source));
    ItemForm product(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Edit, source);
    CItemDlg productDialog(product, *doc, host);
    EXPECT_EQ(FocusChain(productDialog), (QStringList{"наименование на артикула",
                                                      "мярка",
                                                      "тип: изделие",
                                                      " мин. наличност ",
                                                      "дъпълн. разходи:",
                                                      "продажна цена #1",
                                                      "продажна цена #2",
                                                      "себестойност",
                                                      "скрита номенклатура",
                                                      "материали",
                                                      "промяна (F2)",
                                                      "кодове по номенклатурата на контрагенти ...",
                                                      "избор (F3)",
                                                      "др. прод. цени по клиенти",
                                                      "добавяне на материал (F5)",
                                                      "промяна на материал (F6)",
                                                      "изтриване на материал (F7)",
                                                      "отпечатване на принтер (F8)",
                                                      "запис",
                                                      "отказ",
                                                      "номенклатурен код"}));
}

} // namespace
