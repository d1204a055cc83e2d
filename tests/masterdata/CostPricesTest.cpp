#include "masterdata/CostPrices.h"

#include "masterdata/Item.h"
#include "support/DatabaseTest.h"

namespace {

class CostPricesTest : public DatabaseTest {
protected:
    void Item(const char* code, double cost, int recipe = 0, int dirty = 0, double work = 0) {
        ASSERT_TRUE(Db().ExecPrintf("INSERT INTO stocks (code, cost_price, work_costs, is_recipe, is_dirty) "
                                    "VALUES(?, ?, ?, ?, ?);",
                                    code, SqlDecimal{cost, 5}, SqlDecimal{work, 5}, recipe, dirty));
    }
    void Component(const char* owner, const char* code, double quantity, double randeman = 0) {
        ASSERT_TRUE(Db().ExecPrintf("INSERT INTO stocks_cmp VALUES(?, ?, ?, ?);", owner, code,
                                    SqlDecimal{quantity, 3}, SqlDecimal{randeman, 2}));
    }
    QString Stored(const char* code) {
        return Scalar(QByteArray("SELECT cost_price || '/' || is_dirty FROM stocks WHERE code = '") + code +
                      "';");
    }
    // The rows the file's statements changed so far (0 on a server, which does not count them).
    long long Changes() {
        ResultTable table;
        if (!OnServer()) {
            EXPECT_TRUE(Db().QueryWithRetry("SELECT total_changes();", table).Ok());
        }
        return table.Int64(1, 0);
    }
};

TEST_F(CostPricesTest, AComponentContributesFactorTimesQuantityTimesCost) {
    Item("M", 1.25);
    Item("P", 0, 1, 1);
    Component("P", "M", 2, 10);
    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "P"), 2.75);
    EXPECT_EQ(Stored("P"), "2.75/0");

    Item("W", 0, 1, 1, 3.456); // no components: the work costs alone
    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "W"), 3.46);
    EXPECT_EQ(GetItemCostPrice(Db(), "няма"), 0);
    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "M"), 1.25);
}

TEST_F(CostPricesTest, AChangedMaterialIsFollowedUpThreeLevels) {
    Item("M", 1.00);
    Item("A", 0, 1, 1, 0.5);
    Item("B", 0, 1, 1);
    Item("C", 0, 1, 1, 1);
    Component("A", "M", 3);       // 0.5 + 3 = 3.50
    Component("B", "A", 2);       // 7.00
    Component("B", "M", 1);       // 8.00
    Component("C", "B", 1.5, 20); // 1 + 1.2 * 1.5 * 8 = 15.40
    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "C"), 15.40);
    EXPECT_EQ(Stored("A"), "3.5/0");
    EXPECT_EQ(Stored("B"), "8/0");
    EXPECT_EQ(Stored("C"), "15.4/0");

    // The material's cost is changed by hand and its users marked.
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET cost_price = 2 WHERE code = 'M';"));
    MarkDependentRecipesDirty(Db(), "M");
    EXPECT_EQ(Stored("A"), "3.5/1");
    EXPECT_EQ(Stored("B"), "8/1");
    EXPECT_EQ(Stored("C"), "15.4/1");

    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "C"), 1 + 1.2 * 1.5 * (2 * 6.5 + 2)); // 28.00
    EXPECT_EQ(Stored("A"), "6.5/0");
    EXPECT_EQ(Stored("B"), "15/0");
    EXPECT_EQ(Stored("C"), "28/0");

    // A second read changes nothing.
    const long long before = Changes();
    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "C"), 28.0);
    EXPECT_EQ(Changes(), before);
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(CostPricesTest, ARecipeThatListsItselfIsReportedAndCyclesEnd) {
    Item("X", 1, 1, 0);
    Component("X", "X", 1);
    SetItemDirty(Db(), "X", 1);
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Texts()[0],
              "Програмата откри сериозна грешка в една от разходните норми:\nАртикулът с код "
              "'X' не може да бъде компонент на самия себе си или на друг артикул - компонент "
              "на тази рецепта.");

    // A cycle written by an old file: every service still ends.
    Item("P", 0, 1, 1, 1);
    Item("Q", 0, 1, 1, 2);
    Component("P", "Q", 1);
    Component("Q", "P", 1);
    prompter.Clear();
    const double p = GetItemCostPrice(Db(), "P");
    EXPECT_GT(p, 0);
    MarkDependentRecipesDirty(Db(), "P");
    EXPECT_FALSE(IsValidComponent(Db(), "Q", "P"));
    EXPECT_FALSE(IsValidComponent(Db(), "P", "Q"));
    EXPECT_TRUE(IsValidComponent(Db(), "Q", "Z")); // the cycle is walked once
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(CostPricesTest, TheCycleTestFindsTheOwnerAnywhereBelow) {
    Item("M", 1);
    Item("A", 0, 1);
    Item("B", 0, 1);
    Component("A", "M", 1);
    Component("B", "A", 1);
    EXPECT_TRUE(IsValidComponent(Db(), "A", "B"));  // B may not be inside A's tree: it is not
    EXPECT_FALSE(IsValidComponent(Db(), "B", "A")); // A is inside B's tree
    EXPECT_FALSE(IsValidComponent(Db(), "B", "M"));
    EXPECT_TRUE(IsValidComponent(Db(), "M", "B"));
    EXPECT_EQ(IsItemDirty(Db(), "A"), 0);
    SetItemDirty(Db(), "M", 1);
    EXPECT_EQ(IsItemDirty(Db(), "A"), 1);
    EXPECT_EQ(IsItemDirty(Db(), "B"), 1);
    EXPECT_EQ(IsItemDirty(Db(), "няма"), 0);
}

} // namespace
