#include "base/TextInput.h"
#include "masterdata/CostPrices.h"
#include "masterdata/ItemForm.h"
#include "masterdata/ItemPicker.h"
#include "masterdata/PartnerItemValues.h"
#include "masterdata/PartnersForm.h"
#include "support/DatabaseTest.h"
#include "support/ScriptedChoosers.h"
#include "support/ScriptedItems.h"
#include "support/TestFirm.h"

#include <deque>

namespace {

class ScriptedQuantities : public QuantityInput {
public:
    std::optional<std::pair<double, double>> AskQuantity(const QString& units, double, double) override {
        unitsShown << units;
        if (answers.empty())
            return std::nullopt;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::pair<double, double>> answers;
    QStringList unitsShown;
};

class RecipeTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Изделия', 0);"
                              "INSERT INTO stocks_cmp VALUES('A', 'M', 1, 0);"
                              "INSERT INTO stocks_cmp VALUES('B', 'A', 2, 0);"));
        ASSERT_TRUE(AddStocks(Db(), {StockRow("M", "Мед").Unit("кг").Cost(3).Material(),
                                     StockRow("N", "Никел").Unit("кг").Cost(1.25).Material(),
                                     StockRow("A", "Жица").Unit("м").Cost(3.5).Work(0.5).Recipe(),
                                     StockRow("B", "Кабел").Unit("м").Recipe()}));
    }
    ItemForm::Fields RecipeFields(const char* code) {
        ItemForm::Fields f;
        f.code = code;
        f.name = "Нов";
        f.group = 1;
        f.units = "бр.";
        f.type = ItemForm::RecipeType::Product;
        return f;
    }
    ScriptedItems items;
    ScriptedQuantities quantities;
};

TEST_F(RecipeTest, ALineShowsItsTotalAndSum) {
    ComponentLine line{"M", "Мед", "кг", 0.5, 10, 3.0};
    EXPECT_EQ(line.Cells(), (QStringList{"M", "Мед", "кг", "0.500", "10.00", "0.550", "3.00", "1.65"}));
    EXPECT_FALSE(ValidComponentQuantity(0, prompter));
    EXPECT_FALSE(ValidComponentQuantity(-1, prompter));
    EXPECT_TRUE(ValidComponentQuantity(0.001, prompter));
    EXPECT_EQ(prompter.Texts(), (QStringList{"Количеството трябва да бъде положително число!",
                                             "Количеството трябва да бъде положително число!"}));
}

TEST_F(RecipeTest, ARecipeCannotContainItselfDirectlyOrThroughAnother) {
    RecipeEditor recipe(Db(), prompter);
    ASSERT_TRUE(recipe.Load("A"));
    items.codes = {"A", "B", "N"};
    quantities.answers = {{2, 10}};
    EXPECT_FALSE(recipe.Add("A", true, items, quantities)); // itself
    EXPECT_FALSE(recipe.Add("A", true, items, quantities)); // B contains A
    EXPECT_TRUE(recipe.Add("A", true, items, quantities));
    EXPECT_EQ(items.masks, std::vector<ItemKinds>(3, ItemKind::Materials | ItemKind::Products));
    EXPECT_EQ(prompter.Texts(),
              (QStringList{"Грешка: Избраният артикул не е валиден компонент на тази разходна норма.",
                           "Грешка: Избраният артикул не е валиден компонент на тази разходна норма."}));
    EXPECT_EQ(quantities.unitsShown, QStringList{"кг"});
    ASSERT_EQ(recipe.Lines().size(), 2u);
    // 0.5 work + 1 x 3.00 + 2 x 1.1 x 1.25
    EXPECT_DOUBLE_EQ(recipe.Cost(0.5), 6.25);
}

TEST_F(RecipeTest, AddingAnItemAgainReplacesItsQuantity) {
    RecipeEditor recipe(Db(), prompter);
    ASSERT_TRUE(recipe.Load("A"));
    items.codes = {"M", "M"};
    quantities.answers = {{4, 5}, {7, 0}};
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(recipe.Add("A", true, items, quantities));
    ASSERT_EQ(recipe.Lines().size(), 1u);
    EXPECT_EQ(recipe.Lines()[0].quantity, 4);
    EXPECT_EQ(recipe.Lines()[0].randeman, 5);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(recipe.Add("A", true, items, quantities));
    EXPECT_EQ(recipe.Lines()[0].quantity, 4);
    EXPECT_EQ(prompter.Texts().last(),
              "Сигурни ли сте, че желаете да промените количеството за този компонент?");

    quantities.answers = {{9, 1}};
    EXPECT_TRUE(recipe.Change(0, quantities));
    EXPECT_EQ(recipe.Lines()[0].quantity, 9);
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(recipe.Remove({0}));
    EXPECT_TRUE(recipe.Lines().empty());
    EXPECT_EQ(prompter.Boxes().back().icon, MessageIcon::Exclamation);
}

TEST_F(RecipeTest, ACopyStartsWithTheSourcesComponentsAndLeavesThemAlone) {
    Item source;
    ASSERT_TRUE(LoadItem(Db(), "B", source));
    ItemForm form(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Copy, source);
    RecipeEditor recipe(Db(), prompter);
    ASSERT_TRUE(recipe.Load("B"));
    items.codes = {"N"};
    quantities.answers = {{1, 0}};
    ASSERT_TRUE(form.AddComponent(recipe, "B2", items, quantities));
    ItemForm::Fields f = form.Initial();
    f.code = "B2";
    f.costPrice = recipe.Cost(f.workCosts);
    ASSERT_EQ(form.Save(f, recipe.Lines()), ItemForm::Field::None);
    EXPECT_EQ(
        Scalar("SELECT group_concat(code) FROM (SELECT code FROM stocks_cmp WHERE owner_code = 'B2' ORDER BY "
               "code) AS t;"),
        "A,N");
    EXPECT_EQ(Scalar("SELECT group_concat(code) FROM stocks_cmp WHERE owner_code = 'B';"), "A");
    EXPECT_EQ(Scalar("SELECT cost_price FROM stocks WHERE code = 'B2';"), "8.25"); // 2 x 3.50 + 1.25
}

TEST_F(RecipeTest, TheRecipesOwnCodeDependsOnTheDialogsMode) {
    Item b;
    ASSERT_TRUE(LoadItem(Db(), "B", b));
    RecipeEditor recipe(Db(), prompter);
    quantities.answers = {{1, 0}, {1, 0}};
    // Editing B: B is refused whatever code is typed.
    ItemForm edit(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Edit, b);
    items.codes = {"B"};
    EXPECT_FALSE(edit.AddComponent(recipe, "B-нов", items, quantities));
    // A copy refuses the code typed for it.
    ItemForm copy(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Copy, b);
    items.codes = {"M"};
    EXPECT_FALSE(copy.AddComponent(recipe, " M ", items, quantities));
    // A new item is only checked for cycles.
    ItemForm create(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Create, Item());
    items.codes = {"M", "A"};
    EXPECT_TRUE(create.AddComponent(recipe, "M", items, quantities));
    EXPECT_TRUE(create.AddComponent(recipe, "Z", items, quantities));
    EXPECT_EQ(prompter.Count(), 2);
    EXPECT_EQ(recipe.Lines().size(), 2u);
}

TEST_F(RecipeTest, AnEmptyRecipeIsSavedAfterAskingWithItsWorkCostsAsCost) {
    ItemForm form(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Create, Item());
    RecipeEditor recipe(Db(), prompter);
    ItemForm::Fields f = RecipeFields("W");
    f.workCosts = 3.456;
    f.costPrice = recipe.Cost(f.workCosts);
    prompter.Expect(Answer::Yes);
    ASSERT_EQ(form.Save(f, recipe.Lines()), ItemForm::Field::None);
    EXPECT_EQ(Scalar("SELECT cost_price || '|' || work_costs FROM stocks WHERE code = 'W';"), "3.46|3.46");
}

TEST_F(RecipeTest, AnEditReplacesTheComponentsAndTheRollUpAgrees) {
    Item source;
    ASSERT_TRUE(LoadItem(Db(), "B", source));
    ItemForm form(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Edit, source);
    RecipeEditor recipe(Db(), prompter);
    ASSERT_TRUE(recipe.Load("B"));
    items.codes = {"N"};
    quantities.answers = {{2, 10}};
    ASSERT_TRUE(recipe.Add("B", true, items, quantities));
    ItemForm::Fields f = form.Initial();
    f.workCosts = 1;
    f.costPrice = recipe.Cost(f.workCosts);
    ASSERT_EQ(form.Save(f, recipe.Lines()), ItemForm::Field::None);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp WHERE owner_code = 'B';"), "2");
    EXPECT_DOUBLE_EQ(f.costPrice, 1 + 2 * 3.5 + 2.75);
    // The lazy roll-up computes the same cost.
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET is_dirty = 1 WHERE code = 'B';"));
    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "B"), f.costPrice);

    // A rename moves the recipe rows with it.
    ItemForm rename(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Edit, [&] {
        Item item;
        EXPECT_TRUE(LoadItem(Db(), "B", item));
        return item;
    }());
    RecipeEditor lines(Db(), prompter);
    ASSERT_TRUE(lines.Load("B"));
    f = rename.Initial();
    f.code = "B-нов";
    ASSERT_EQ(rename.Save(f, lines.Lines()), ItemForm::Field::None);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp WHERE owner_code = 'B-нов';"), "2");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp WHERE owner_code = 'B';"), "0");
}

TEST_F(RecipeTest, PartnerCodesAndPricesAreKeptPerPartner) {
    ASSERT_TRUE(Db().Exec("INSERT INTO partners (partner_id, partner_name) VALUES(1, 'Клиент');"
                          "INSERT INTO partners (partner_id, partner_name) VALUES(2, 'Доставчик');"));
    class Partners : public PartnerChooser {
    public:
        std::optional<int> ChoosePartner(PartnerTab, int) override { return next; }
        int next = 1;
    } partners;
    ScriptedTextInput input;

    PartnerItemValues codes(Db(), prompter, PartnerItemValues::Kind::Codes, "M");
    ASSERT_TRUE(codes.Reload());
    input.answers.push_back("CU-'01'");
    ASSERT_TRUE(codes.Add(partners, input));
    input.answers.push_back("CU-02");
    ASSERT_TRUE(codes.Add(partners, input)); // the same partner again: replaced
    ASSERT_EQ(codes.Rows().size(), 1u);
    EXPECT_EQ(codes.Rows()[0].value, "CU-02");
    EXPECT_EQ(codes.Rows()[0].partnerName, "Клиент");

    PartnerItemValues prices(Db(), prompter, PartnerItemValues::Kind::Prices, "M");
    input.answers.push_back("12,505");
    partners.next = 2;
    ASSERT_TRUE(prices.Add(partners, input));
    EXPECT_EQ(prices.Rows()[0].value, "12.51");
    input.answers.push_back("много");
    EXPECT_FALSE(prices.Change(0, input));
    EXPECT_EQ(prompter.Count(), 1);
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(prices.Delete(0));
    EXPECT_TRUE(prices.Rows().empty());
    EXPECT_EQ(Scalar("SELECT partner_code FROM stock_codes WHERE stock_code = 'M';"), "CU-02");
}

TEST_F(RecipeTest, AnUnreadableRecipeIsReported) {
    ASSERT_TRUE(Db().Exec("DROP TABLE stocks_cmp;"));
    RecipeEditor recipe(Db(), prompter);
    EXPECT_FALSE(recipe.Load("A"));
    EXPECT_EQ(prompter.Texts().last(), "Не мога да извлека списъка с материалите за тази разходна норма");
}

} // namespace
