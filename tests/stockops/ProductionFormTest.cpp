// The production form: products by their recipes, the materials they need,
// the save in one change, and a stored document.
#include "stockops/ProductionForm.h"

#include "db/Connection.h"
#include "masterdata/StockSettings.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/ScriptedChoosers.h"
#include "support/ScriptedItems.h"
#include "support/ScriptedNumbers.h"
#include "support/TestFirm.h"
#include "trade/DocumentBrowser.h"

namespace {

class ProductionTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Изделия', 0);"
                              "INSERT INTO stocks_cmp VALUES('P1', 'M1', 0.2, 5);"
                              "INSERT INTO stocks_cmp VALUES('P2', 'M1', 1, 0);"
                              "INSERT INTO stocks_cmp VALUES('P2', 'M2', 1, 0);"
                              "INSERT INTO stocks_cmp VALUES('P3', 'P1', 2, 0);"
                              "INSERT INTO stocks_cmp VALUES('P''4', 'M1', 1, 0);"));
        ASSERT_TRUE(
            AddStocks(Db(), {StockRow("M1", "Мед").Unit("кг").Quantity(10).Cost(0.5).Last(0.5).Material(),
                             StockRow("M2", "Винт").Quantity(5).Cost(0.1).Last(0.1).Material(),
                             StockRow("P1", "Кабел").Prices(5, 5).Recipe().Dirty(),
                             StockRow("P2", "Щепсел").Prices(5, 5).Recipe().Dirty(),
                             StockRow("P3", "Удължител").Prices(9, 9).Recipe().Dirty(),
                             StockRow("P'4", "Д'Артанян стол").Prices(9, 9).Recipe().Dirty(),
                             StockRow("P5", "Празно").Prices(9, 9).Recipe()}));
        form = std::make_unique<ProductionForm>(Db(), prompter, clock);
        form->Start();
        form->SetOperator("Иван");
    }
    void Add(const QString& code, double quantity) {
        items.codes.push_back(code);
        numbers.answers.push_back(quantity);
        ASSERT_TRUE(form->AddProduct(items, numbers)) << code.toStdString();
    }
    QString Stock(const char* code) {
        return Scalar(QByteArray("SELECT ROUND(quantity, 3) FROM stocks WHERE code = '") + code + "';");
    }
    static constexpr const char* kMade = "Изделията са произведени и добавени към наличността в склада.";

    std::unique_ptr<ProductionForm> form;
    ScriptedItems items;
    ScriptedNumbers numbers;
    ScriptedDocuments documents;
};

TEST_F(ProductionTest, MaterialsAreSummedAndLoweredOnceBySavedEntries) {
    Add("P1", 10); // 10 x 0.2 x 1.05 = 2.1 of M1
    EXPECT_EQ(items.masks.back(), ItemViews::kProducts);
    EXPECT_EQ(form->Document().lines[0].entries[0].quantity, 2.1);
    Add("P2", 3);
    ASSERT_EQ(form->Document().materials.size(), 2u);
    EXPECT_EQ(ProductionForm::MaterialCells(form->Document().materials[0]),
              QStringList({"M1", "Мед", "кг", "10.000", "5.100", "0.50", "2.55"}));
    EXPECT_TRUE(prompter.Texts().isEmpty());
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(prompter.Texts(), QStringList(kMade));
    EXPECT_EQ(Stock("M1"), "4.9");
    EXPECT_EQ(Stock("M2"), "2.0");
    EXPECT_EQ(Stock("P1"), "10.0");
    EXPECT_EQ(Stock("P2"), "3.0");
    EXPECT_EQ(Scalar("SELECT doc_id || '|' || produced_by FROM production;"), "1|Иван");
    EXPECT_EQ(
        Scalar("SELECT group_concat(seq_id || ':' || code || ':' || quantity, ' ') FROM production_cmp;"),
        "1:P1:10 2:P2:3");
    // What the deletion will give back equals what was taken.
    EXPECT_EQ(Scalar("SELECT ROUND(SUM(quantity), 3) FROM production_cmp_entries WHERE code = 'M1';"), "5.1");
    // The form starts the next document, keeping the operator.
    EXPECT_TRUE(form->Document().lines.empty());
    EXPECT_EQ(form->NumberText(), "0000000002");
    EXPECT_EQ(form->Document().producedBy, "Иван");
    EXPECT_EQ(form->Operators(), QStringList("Иван"));
}

TEST_F(ProductionTest, ShortagesStopUnlessSalesOnZeroAreAllowed) {
    Add("P2", 6); // needs 6 of M2, which has 5
    EXPECT_EQ(prompter.Texts(), QStringList("Не разполагате с достатъчна наличност от някои материали!"));
    EXPECT_EQ(form->Document().lines.size(), 1u); // the line stays
    prompter.Clear();
    EXPECT_FALSE(form->Save());
    EXPECT_EQ(prompter.Texts(), QStringList("Не разполагате с достатъчна наличност от някои материали!"));
    EXPECT_EQ(Stock("M2"), "5.0");

    ASSERT_TRUE(SetSellsOnZero(Db(), 1));
    prompter.Clear();
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Stock("M2"), "-1.0");
    EXPECT_EQ(Stock("P2"), "6.0");
}

TEST_F(ProductionTest, AProductInARecipeIsTakenFromStockNotBrokenDown) {
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET quantity = 4 WHERE code = 'P1';"));
    Add("P3", 2);
    ASSERT_EQ(form->Document().materials.size(), 1u);
    EXPECT_EQ(form->Document().materials[0].code, "P1");
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Stock("P1"), "0.0");
    EXPECT_EQ(Stock("M1"), "10.0");
    EXPECT_EQ(Stock("P3"), "2.0");
    // Made on one line, used on another: the use needs the stock beforehand.
    prompter.Clear();
    Add("P1", 10);
    Add("P3", 1);
    EXPECT_EQ(prompter.Texts().value(0), "Не разполагате с достатъчна наличност от някои материали!");
}

TEST_F(ProductionTest, ApostrophesAndRefusals) {
    Add("P'4", 1);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Scalar("SELECT code || '|' || stock_name FROM production_cmp;"), "P'4|Д'Артанян стол");
    EXPECT_EQ(Stock("P''4"), "1.0");

    prompter.Clear();
    EXPECT_FALSE(form->Save());
    EXPECT_EQ(prompter.Texts(), QStringList("Не са въведени изделия."));
    Add("P1", 1);
    form->SetOperator(" ");
    prompter.Clear();
    EXPECT_FALSE(form->Save());
    EXPECT_EQ(prompter.Texts(), QStringList("Не е указано името на лицето, което е произвело изделията!"));
    // A quantity of 0 is asked again; a product without a recipe is refused.
    items.codes.push_back("P1");
    numbers.answers = {0, 2};
    ASSERT_TRUE(form->AddProduct(items, numbers));
    EXPECT_EQ(form->Document().lines.back().quantity, 2);
    items.codes.push_back("P5");
    EXPECT_FALSE(form->AddProduct(items, numbers));
    // Changing and removing.
    numbers.answers = {5};
    ASSERT_TRUE(form->ChangeQuantity(1, numbers));
    EXPECT_EQ(numbers.opened.back(), 2);
    EXPECT_EQ(form->Document().materials[0].need, 1.26); // 1 + 5 of P1 at 0.21
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->RemoveProduct(0));
    EXPECT_EQ(form->Document().lines.size(), 1u);
    EXPECT_EQ(form->Document().materials[0].need, 1.05);
}

TEST_F(ProductionTest, AFailureInsideTheSaveLeavesEveryQuantity) {
    Add("P1", 10);
    Add("P2", 1);
    {
        FailureInjector entries(doc->GetDatabase(), SQLITE_INSERT, "production_cmp_entries", 2);
        EXPECT_FALSE(form->Save());
    }
    for (const char* code : {"M1", "M2", "P1", "P2"})
        EXPECT_EQ(Stock(code), code[0] == 'M' ? (code[1] == '1' ? "10.0" : "5.0") : "0.0") << code;
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM production;"), "0");
    EXPECT_EQ(form->Document().lines.size(), 2u);
    // A material deleted by another seat meanwhile stops the save, also where
    // sales on zero let a missing stock pass the checks.
    ASSERT_TRUE(SetSellsOnZero(Db(), 1));
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("DELETE FROM stocks WHERE code = 'M2';").Ok());
    prompter.Clear();
    EXPECT_FALSE(form->Save());
    EXPECT_EQ(prompter.Texts().back(),
              "Количеството на поне един от материалите в склада не беше променено успешно!");
    EXPECT_EQ(Stock("M1"), "10.0");
}

TEST_F(ProductionTest, AStoredDocumentChangesItsDateAndOperatorOnly) {
    Add("P1", 10);
    Add("P2", 1);
    ASSERT_TRUE(form->Save());
    // The browser lists the saved document for loading.
    DocumentBrowser browser(Db(), DocumentKind::Production, 0);
    ASSERT_TRUE(browser.Reload());
    ASSERT_EQ(browser.Rows().size(), 1u);
    EXPECT_EQ(browser.Rows()[0].cells.value(2), "Иван");
    documents.choices.push_back({1, QString(), QDate(), QString(), {}});
    prompter.Clear();
    ASSERT_TRUE(form->Load(documents));
    EXPECT_EQ(documents.kinds.back(), 7);
    EXPECT_FALSE(form->IsNew());
    EXPECT_EQ(form->Document().lines.size(), 2u);
    ASSERT_EQ(form->Document().materials.size(), 2u);
    EXPECT_EQ(form->Document().materials[1].code, "M1"); // by name
    EXPECT_EQ(form->Document().materials[1].need, 3.1);
    EXPECT_FALSE(form->AddProduct(items, numbers));
    form->SetOperator("Д'Ор");
    form->SetDate(QDate(2026, 12, 1));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(prompter.Texts().back(), "Документът беше обновен успешно.");
    EXPECT_EQ(Scalar("SELECT produced_by || doc_dt FROM production;"), "Д'Ор2026-12-01");
    EXPECT_EQ(Scalar("SELECT group_concat(DISTINCT produced_by || doc_dt) FROM production_cmp;"),
              "Д'Ор2026-12-01");
    EXPECT_EQ(Scalar("SELECT group_concat(DISTINCT doc_dt) FROM production_cmp_entries;"), "2026-12-01");
    EXPECT_EQ(Stock("M1"), "6.9");
}

} // namespace
