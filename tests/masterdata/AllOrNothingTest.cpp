// A write refused half-way through each multi-statement change of the
// master data leaves every row as it was.
#include "masterdata/Catalogue.h"
#include "masterdata/CostPrices.h"
#include "masterdata/ItemForm.h"
#include "masterdata/PartnersForm.h"
#include "masterdata/StockSettings.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/TestFirm.h"

namespace {

class AllOrNothingTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Кабели', 0);"
                              "INSERT INTO stocks_cmp VALUES('P1', 'K1', 3, 0);"
                              "INSERT INTO stocks_cmp VALUES('P2', 'P1', 1, 0);"
                              "INSERT INTO stokovi_items (doc_id, item_code) VALUES(1, 'K1');"
                              "INSERT INTO invoices_items (doc_id, item_code) VALUES(1, 'K1');"));
        ASSERT_TRUE(AddStocks(Db(), {StockRow("K1", "Кабел").Unit("м").Cost(1.5).Prices(2, 3).Last(1.4),
                                     StockRow("K2", "Шнур").Unit("м").Cost(1).Prices(2, 3).Last(1),
                                     StockRow("K3", "Щепсел").Cost(1).Prices(2, 3).Last(1),
                                     StockRow("P1", "Удължител").Cost(4.5).Prices(20, 0).Recipe(),
                                     StockRow("P2", "Комплект").Cost(4.5).Prices(20, 0).Recipe()}));
        catalogue = std::make_unique<Catalogue>(Db(), prompter, *settings);
        catalogue->SetView(ItemViews::kAll);
        ASSERT_TRUE(catalogue->Reload());
    }
    Connection* Handle() { return doc->GetDatabase(); }
    int RowOf(const QString& code) {
        for (size_t i = 0; i < catalogue->Rows().size(); ++i)
            if (catalogue->Rows()[i].item.code == code)
                return static_cast<int>(i);
        return -1;
    }
    Item Loaded(const char* code) {
        Item item;
        EXPECT_TRUE(LoadItem(Db(), code, item));
        return item;
    }
    std::unique_ptr<Catalogue> catalogue;
};

TEST_F(AllOrNothingTest, HidingManyItemsHidesAllOrNone) {
    prompter.Expect(Answer::Yes);
    {
        FailureInjector fail(Handle(), SQLITE_UPDATE, "stocks", 2, "is_hidden");
        EXPECT_FALSE(catalogue->SetHidden({RowOf("K1"), RowOf("K2"), RowOf("K3")}, true));
        EXPECT_EQ(fail.Refused(), 1);
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE is_hidden = 1;"), "0");
    for (const CatalogueRow& row : catalogue->Rows())
        EXPECT_EQ(row.item.isHidden, 0) << row.item.code.toStdString();
    EXPECT_EQ(prompter.Texts().last(), "not authorized"); // no success message
}

TEST_F(AllOrNothingTest, DeletingAnItemTakesItsRecipeRowsOrNothing) {
    prompter.Expect(Answer::Yes);
    ASSERT_NE(RowOf("P2"), -1);
    {
        FailureInjector fail(Handle(), SQLITE_DELETE, "stocks_cmp", 0);
        EXPECT_FALSE(catalogue->Delete(RowOf("P2")));
        EXPECT_EQ(fail.Refused(), 1);
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE code = 'P2';"), "1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp WHERE owner_code = 'P2';"), "1");
    EXPECT_NE(RowOf("P2"), -1);
}

TEST_F(AllOrNothingTest, ThePrecisionAndTheDirtyRecipesChangeTogether) {
    {
        FailureInjector fail(Handle(), SQLITE_UPDATE, "stocks", 0, "is_dirty");
        EXPECT_FALSE(SetCostPricePrecision(Db(), 3));
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM settings WHERE key_name = 'cost_price_precision';"), "0");
    EXPECT_TRUE(SetCostPricePrecision(Db(), 3));
    EXPECT_EQ(Scalar("SELECT key_value FROM settings WHERE key_name = 'cost_price_precision';"), "3");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE is_recipe = 1 AND is_dirty = 1;"), "2");
}

TEST_F(AllOrNothingTest, AnEditWritesItsItemRenameMarkingAndUnitOrNothing) {
    ItemForm::Fields f;
    // The rename reaches the stored lines; the last of them fails.
    {
        ItemForm form(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Edit, Loaded("K1"));
        f = form.Initial();
        f.code = "K9";
        FailureInjector fail(Handle(), SQLITE_UPDATE, "invoices_items", 0, "item_code");
        EXPECT_EQ(form.Save(f), ItemForm::Field::Code);
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE code = 'K1';"), "1");
    EXPECT_EQ(Scalar("SELECT code FROM stocks_cmp WHERE owner_code = 'P1';"), "K1");
    EXPECT_EQ(Scalar("SELECT item_code FROM stokovi_items;"), "K1");
    EXPECT_EQ(prompter.Texts().last(), "Промените по указаната стока не могат да бъдат съхранени.");

    // A new cost marks the recipes above; the marking of the second fails.
    {
        ItemForm form(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Edit, Loaded("K1"));
        f = form.Initial();
        f.costPrice = 2;
        FailureInjector fail(Handle(), SQLITE_UPDATE, "stocks", 1, "is_dirty");
        EXPECT_EQ(form.Save(f), ItemForm::Field::Code);
    }
    EXPECT_EQ(Scalar("SELECT cost_price FROM stocks WHERE code = 'K1';"), "1.5");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE is_dirty = 1;"), "0");

    // A new unit joins the units with the item, or neither is written.
    {
        ItemForm form(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Create, Item());
        f = ItemForm::Fields();
        f.code = "N1";
        f.name = "Ново";
        f.group = 1;
        f.units = "ролка";
        FailureInjector fail(Handle(), SQLITE_INSERT, "units", 0);
        EXPECT_EQ(form.Save(f), ItemForm::Field::Code);
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE code = 'N1';"), "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units WHERE unit = 'ролка';"), "0");
}

TEST_F(AllOrNothingTest, ARollUpThatCannotFinishLeavesTheRecipeDirty) {
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET cost_price = 2 WHERE code = 'K1';"
                          "UPDATE stocks SET is_dirty = 1 WHERE code IN ('P1', 'P2');"));
    {
        // The new cost of P1 is stored and P2 marked, then clearing P1's flag fails.
        FailureInjector fail(Handle(), SQLITE_UPDATE, "stocks", 1, "is_dirty");
        EXPECT_EQ(GetItemCostPrice(Db(), "P2"), 0);
        EXPECT_EQ(fail.Refused(), 1);
    }
    EXPECT_EQ(Scalar("SELECT cost_price || '/' || is_dirty FROM stocks WHERE code = 'P1';"), "4.5/1");
    EXPECT_EQ(Scalar("SELECT cost_price || '/' || is_dirty FROM stocks WHERE code = 'P2';"), "4.5/1");
    // The next read tries again and succeeds.
    EXPECT_DOUBLE_EQ(GetItemCostPrice(Db(), "P2"), 6);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE is_dirty = 1;"), "0");
}

TEST_F(AllOrNothingTest, ARefusedPartnerDeleteOrSaveWritesNothing) {
    PartnersForm form(Db(), prompter);
    class Editor : public PartnerEditor {
    public:
        bool EditPartner(Partner& record, const Save& save) override {
            record.name = "Фирма";
            record.isCustomer = 1;
            return save(record);
        }
    } editor;
    {
        FailureInjector fail(Handle(), SQLITE_INSERT, "partners", 0);
        EXPECT_EQ(form.Create(editor), -1);
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM partners;"), "0");
    EXPECT_EQ(prompter.Texts(),
              (QStringList{"not authorized", "Възникнала е грешка. Данните не са съхранени."}));
    EXPECT_EQ(form.Create(editor), 0);
    EXPECT_EQ(Scalar("SELECT partner_id FROM partners;"), "1");
}

} // namespace
