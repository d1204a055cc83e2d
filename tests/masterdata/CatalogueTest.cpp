#include "masterdata/Catalogue.h"

#include "base/TextInput.h"
#include "masterdata/ItemForm.h"
#include "masterdata/ItemPicker.h"
#include "support/DatabaseTest.h"
#include "support/ScriptedChoosers.h"
#include "support/TestFirm.h"

namespace {

class CatalogueTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Кабели', 0);"
                              "INSERT INTO groups VALUES(2, 'Услуги', 0);"
                              "INSERT INTO stocks_cmp VALUES('P1', 'K1', 3, 0);"));
        ASSERT_TRUE(AddStocks(
            Db(), {StockRow("K1", "Кабел ШВПС")
                       .Unit("м")
                       .Quantity(12.5)
                       .Min(1)
                       .Cost(1.5)
                       .Prices(2.675, 3)
                       .Last(1.4),
                   StockRow("M1", "Мед").Unit("кг").Quantity(-2).Cost(10).Last(9).Material(),
                   StockRow("P1", "Удължител").Quantity(4).Prices(20, 0).Work(2).Recipe().Dirty(),
                   StockRow("S1", "Монтаж").Group(2).Unit("ч.").Prices(30, 0).Work(15).Recipe().Service(),
                   StockRow("H1", "Скрит").Hidden()}));
        catalogue = std::make_unique<Catalogue>(Db(), prompter, *settings);
    }
    QStringList Codes() {
        QStringList codes;
        for (const auto& row : catalogue->Rows())
            codes << row.item.code;
        codes.sort();
        return codes;
    }
    std::unique_ptr<Catalogue> catalogue;
};

TEST_F(CatalogueTest, EachTabListsItsKindAndHiddenItemsOnlyOnRequest) {
    EXPECT_TRUE(catalogue->ListStatement().endsWith(" WHERE is_hidden = 0 AND is_recipe = 0 ;"));
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes(), (QStringList{"K1", "M1"}));
    catalogue->SetView(ItemViews::kProducts);
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes(), QStringList{"P1"});
    catalogue->SetView(ItemViews::kServices);
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes(), QStringList{"S1"});
    catalogue->SetView(ItemViews::kAll);
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes().size(), 4);
    settings->SetShowHiddenItems(1);
    EXPECT_TRUE(catalogue->ListStatement().endsWith("s.stock_group = g.id ;"));
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes().size(), 5);
    catalogue->SetView(ItemViews::kServices);
    EXPECT_TRUE(catalogue->ListStatement().endsWith("g.id  WHERE is_service = 1 ;"));
}

TEST_F(CatalogueTest, CellsAndTheCostColumn) {
    catalogue->SetView(ItemViews::kAll);
    ASSERT_TRUE(catalogue->Reload());
    QMap<QString, QStringList> cells;
    for (const auto& row : catalogue->Rows())
        cells[row.item.code] = catalogue->Cells(row);
    EXPECT_EQ(cells["K1"], (QStringList{"Кабел ШВПС", "K1", "Кабели", "м", "12.500", "1.000", "1.50", "2.68",
                                        "3.00", "1.40", "", "", ""}));
    EXPECT_EQ(cells["S1"].mid(4, 2), (QStringList{"-", "-"}));
    EXPECT_EQ(cells["S1"].mid(10), (QStringList{"", "", "X"}));
    EXPECT_EQ(cells["P1"].mid(10), (QStringList{"", "X", ""}));
    EXPECT_EQ(cells["M1"][10], "X");
    // The cost column off: the dirty product keeps its stored cost and stays dirty.
    EXPECT_EQ(cells["P1"][6], "0.00");
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'P1';"), "1");

    settings->SetShowItemCostPrice(1);
    ASSERT_TRUE(catalogue->Reload());
    cells.clear();
    for (const auto& row : catalogue->Rows())
        cells[row.item.code] = catalogue->Cells(row);
    ASSERT_TRUE(cells.contains("P1"));
    EXPECT_EQ(cells["P1"][6], "6.50"); // 2 + 3 x 1.50
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'P1';"), "0");
}

// The kind of a row decides its tone, and the printed list takes the first
// nine columns under their own titles, with the screen's cells.
TEST_F(CatalogueTest, RowsTakeTheToneOfTheirKindAndTheFirstNineColumnsPrint) {
    catalogue->SetView(ItemViews::kAll);
    ASSERT_TRUE(catalogue->Reload());
    QMap<QString, RowTone> tones;
    QMap<QString, QStringList> printed;
    const std::vector<ListColumn> columns = Catalogue::Columns();
    for (const auto& row : catalogue->Rows()) {
        tones[row.item.code] = Catalogue::Tone(row);
        printed[row.item.code] = PrintedCells(columns, Catalogue::Cells(row));
    }
    ASSERT_EQ(tones.size(), 4);
    EXPECT_EQ(tones["K1"], RowTone::Normal);
    EXPECT_EQ(tones["M1"], RowTone::Normal);
    EXPECT_EQ(tones["P1"], RowTone::Red);
    EXPECT_EQ(tones["S1"], RowTone::Blue);
    EXPECT_EQ(printed["K1"],
              (QStringList{"Кабел ШВПС", "K1", "Кабели", "м", "12.500", "1.000", "1.50", "2.68", "3.00"}));
    QStringList titles;
    for (int k : PrintedColumns(columns))
        titles << columns[static_cast<size_t>(k)].printTitle;
    EXPECT_EQ(titles, (QStringList{"наименование", "код", "група", "мярка", "количество", "мин. к-во",
                                   "себестойност", "пр. цена #1", "пр. цена #2"}));
}

TEST_F(CatalogueTest, SearchAndGroupFilterChooseRowsAndRefreshClearsBoth) {
    catalogue->SetView(ItemViews::kAll);
    ScriptedTextInput input;
    input.answers.push_back("кабел");
    ASSERT_TRUE(catalogue->Search().Ask(input));
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes(), QStringList{"K1"});
    input.answers.push_back("s1");
    ASSERT_TRUE(catalogue->Search().Ask(input));
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes(), QStringList{"S1"});
    catalogue->Search().Clear();
    std::vector<GroupNode> tree;
    ASSERT_TRUE(LoadGroupTree(Db(), tree));
    catalogue->Filter().SetTicked(tree, 2, true, false);
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(Codes(), QStringList{"S1"});
    ASSERT_TRUE(catalogue->Refresh());
    EXPECT_EQ(Codes().size(), 4);
}

TEST_F(CatalogueTest, AnItemUsedByARecipeOrHoldingStockStays) {
    catalogue->SetView(ItemViews::kAll);
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code, stock_name, stock_group, quantity, is_dirty) "
                          "VALUES('T', 'Прашинка', 1, 0.0004, 0);"));
    ASSERT_TRUE(catalogue->Reload());
    auto indexOf = [&](const char* code) {
        for (size_t i = 0; i < catalogue->Rows().size(); ++i)
            if (catalogue->Rows()[i].item.code == code)
                return static_cast<int>(i);
        return -1;
    };
    for (const char* kept : {"K1", "T"}) {
        prompter.Expect(Answer::Yes);
        EXPECT_FALSE(catalogue->Delete(indexOf(kept))) << kept;
        EXPECT_EQ(prompter.Texts().last(),
                  "Артикулът не може да бъде изтрит, защото участва в операция или има наличност в склада!");
    }
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(catalogue->Delete(indexOf("M1"))); // a negative quantity is no stock
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET quantity = 0 WHERE code = 'P1';"));
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(catalogue->Delete(indexOf("P1"))); // its recipe goes with it
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp;"), "0");
    EXPECT_EQ(indexOf("P1"), -1);
}

// A saved row goes only to the tabs of its kind, and an edit that hides an
// item or changes its kind takes it out of a tab it no longer belongs in.
TEST_F(CatalogueTest, ASavedRowJoinsOnlyTheTabsOfItsKind) {
    ASSERT_TRUE(catalogue->Reload()); // goods and materials
    const size_t goods = catalogue->Rows().size();
    CatalogueRow product, service, cable;
    ASSERT_TRUE(catalogue->RowFor("P1", product));
    ASSERT_TRUE(catalogue->RowFor("S1", service));
    ASSERT_TRUE(catalogue->RowFor("K1", cable));
    EXPECT_EQ(catalogue->Append(product), -1);
    EXPECT_EQ(catalogue->Append(service), -1);
    EXPECT_EQ(catalogue->Rows().size(), goods);
    EXPECT_EQ(catalogue->Append(cable), static_cast<int>(goods));

    catalogue->SetView(ItemViews::kProducts);
    ASSERT_TRUE(catalogue->Reload());
    EXPECT_EQ(catalogue->Append(service), -1);
    ASSERT_EQ(catalogue->Rows().size(), 1u);
    product.item.isHidden = 1;
    EXPECT_EQ(catalogue->Replace(0, product), -1);
    EXPECT_TRUE(catalogue->Rows().empty());

    catalogue->SetView(ItemViews::kAll);
    ASSERT_TRUE(catalogue->Reload());
    const size_t all = catalogue->Rows().size();
    EXPECT_GE(catalogue->Append(service), 0);
    EXPECT_EQ(catalogue->Append(product), -1); // hidden, and hidden items are not shown
    EXPECT_EQ(catalogue->Rows().size(), all + 1);
}

TEST_F(CatalogueTest, ItemsAreHiddenAndShownInBulk) {
    catalogue->SetView(ItemViews::kAll);
    ASSERT_TRUE(catalogue->Reload());
    prompter.Expect(Answer::No);
    EXPECT_FALSE(catalogue->SetHidden({0, 1}, true));
    EXPECT_EQ(prompter.Texts()[0], "Сигурни ли сте, че желаете да запишете 2 артикула като скрити?");
    EXPECT_EQ(prompter.Boxes()[0].caption, "Внимание!");
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(catalogue->SetHidden({0, 1}, true));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE is_hidden = 1;"), "3");
    EXPECT_TRUE(prompter.Texts().last().startsWith("Избраните артикули бяха успешно записани като скрити"));
    EXPECT_TRUE(catalogue->SetHidden({0, 1}, false));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE is_hidden = 1;"), "1");
    EXPECT_TRUE(prompter.Texts().last().startsWith("Избраните артикули бяха успешно записани като видими"));
}

class ItemFormTest : public CatalogueTest {
protected:
    Item Loaded(const char* code) {
        Item item;
        EXPECT_TRUE(LoadItem(Db(), code, item));
        return item;
    }
};

TEST_F(ItemFormTest, ANewItemStartsInPiecesAndAnOldOneKeepsItsUnit) {
    EXPECT_EQ(ItemForm(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Create, Item()).Initial().units,
              "бр.");
    EXPECT_EQ(
        ItemForm(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Create, Item()).Initial().units,
        "бр.");
    EXPECT_EQ(
        ItemForm(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Edit, Loaded("K1")).Initial().units,
        "м");
    EXPECT_EQ(
        ItemForm(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Copy, Loaded("M1")).Initial().units,
        "кг");
}

TEST_F(ItemFormTest, TheChecksOfTheGoodsDialogComeInOrder) {
    ItemForm form(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Create, Item());
    EXPECT_EQ(form.Title(), "създаване на артикул");
    ItemForm::Fields f;
    EXPECT_EQ(form.Save(f), ItemForm::Field::Code);
    f.code = "  N1  ";
    EXPECT_EQ(form.Save(f), ItemForm::Field::Name);
    f.name = "Ново 'нещо' -- 100%";
    EXPECT_EQ(form.Save(f), ItemForm::Field::Group);
    f.group = 1;
    EXPECT_EQ(form.Save(f), ItemForm::Field::Units);
    f.units = "кутия";
    f.code = "K1";
    EXPECT_EQ(form.Save(f), ItemForm::Field::Code);
    EXPECT_EQ(prompter.Texts(), (QStringList{"Артикулът няма номенклатурен код. Моля, укажете код.",
                                             "Артикулът няма наименование. Моля, задайте такова.",
                                             "Не е избрана група, с която да асоциирате този артикул.",
                                             "Не сте избрали мерна единица за този артикул.",
                                             "Вече съществува артикул с този номеклатурен код!"}));
    f.code = "  N1  ";
    f.price1 = 12.505;
    f.minQuantity = 1.0005;
    EXPECT_EQ(form.Save(f), ItemForm::Field::None);
    EXPECT_EQ(
        Scalar("SELECT code || '|' || stock_name || '|' || price_1 || '|' || min_quantity || '|' || is_dirty "
               "FROM stocks WHERE code = 'N1';"),
        "N1|Ново 'нещо' -- 100%|12.51|1.001|0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units WHERE unit = 'кутия';"), "1");
}

TEST_F(ItemFormTest, ARenameRewritesEveryStoredLine) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO stocks_cmp VALUES('K1', 'M1', 1, 0);"
                  "INSERT INTO stock_codes (stock_code, partner_id, partner_code) VALUES('K1', 1, 'X');"
                  "INSERT INTO soldmat (doc_id, code, part_of_code, group_id) VALUES(1, 'K1', 'P1', 1);"
                  "INSERT INTO soldmat (doc_id, code, part_of_code, group_id) VALUES(2, 'M1', 'K1', 1);"
                  "INSERT INTO production_cmp_entries (doc_id, doc_dt, owner_id, code) VALUES(1, "
                  "'2026-01-01', 1, 'K1');"
                  "INSERT INTO production_cmp (doc_id, doc_dt, code) VALUES(1, '2026-01-01', 'K1');"
                  "INSERT INTO stokovi_items (doc_id, item_code) VALUES(1, 'K1');"
                  "INSERT INTO invoices_items (doc_id, item_code) VALUES(1, 'K1');"
                  "INSERT INTO proforms_items (doc_id, item_code) VALUES(1, 'K1');"
                  "INSERT INTO supplies_items (doc_id, item_code) VALUES(1, 'K1');"
                  "INSERT INTO revisions_cmp (doc_id, item_code) VALUES(1, 'K1');"));
    ItemForm form(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Edit, Loaded("K1"));
    ItemForm::Fields f = form.Initial();
    f.code = "K'2";
    f.name = "Кабел \"нов\"";
    f.group = 2;
    ASSERT_EQ(form.Save(f), ItemForm::Field::None);

    const char* checks[][2] = {
        {"SELECT COUNT(*) FROM stocks WHERE code = 'K''2' AND quantity = 12.5;", "1"},
        {"SELECT owner_code || code FROM stocks_cmp WHERE owner_code = 'P1';", "P1K'2"},
        {"SELECT owner_code || code FROM stocks_cmp WHERE code = 'M1';", "K'2M1"},
        {"SELECT stock_code FROM stock_codes;", "K'2"},
        {"SELECT code || group_id FROM soldmat WHERE doc_id = 1;", "K'22"},
        {"SELECT part_of_code FROM soldmat WHERE doc_id = 2;", "K'2"},
        {"SELECT code || stock_name || stock_group FROM production_cmp_entries;", "K'2Кабел \"нов\"2"},
        {"SELECT code || stock_name || group_id FROM production_cmp;", "K'2Кабел \"нов\"2"},
        {"SELECT item_code || item_name || item_group FROM stokovi_items;", "K'2Кабел \"нов\"2"},
        {"SELECT item_code || item_name || item_group FROM invoices_items;", "K'2Кабел \"нов\"2"},
        {"SELECT item_code || item_name || item_group FROM proforms_items;", "K'2Кабел \"нов\"2"},
        {"SELECT item_code || item_name || item_group FROM supplies_items;", "K'2Кабел \"нов\"2"},
        {"SELECT item_code || item_name || group_id FROM revisions_cmp;", "K'2Кабел \"нов\"2"},
    };
    for (const auto& [sql, expected] : checks)
        EXPECT_EQ(Scalar(sql), QString(expected)) << sql;
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(ItemFormTest, ARenameToACodeInUseWritesNothing) {
    ItemForm form(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Edit, Loaded("K1"));
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(form.ConfirmCodeChange());
    ItemForm::Fields f = form.Initial();
    f.code = "M1";
    f.price1 = 99;
    EXPECT_EQ(form.Save(f), ItemForm::Field::Code);
    EXPECT_EQ(prompter.Texts().last(), "Вече съществува артикул с този номеклатурен код!");
    EXPECT_EQ(Scalar("SELECT price_1 FROM stocks WHERE code = 'K1';"), "2.675");
}

TEST_F(ItemFormTest, APriceChangeWritesTheItemAloneAndACostChangeMarksItsRecipes) {
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET is_dirty = 0;"));
    ItemForm form(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Edit, Loaded("K1"));
    ItemForm::Fields f = form.Initial();
    f.price2 = 4.5;
    // The file counts the rows every statement changed.
    ResultTable changes;
    const bool counted = !OnServer();
    if (counted) {
        ASSERT_TRUE(Db().QueryWithRetry("SELECT total_changes();", changes).Ok());
    }
    const long long start = changes.Int64(1, 0);
    ASSERT_EQ(form.Save(f), ItemForm::Field::None);
    if (counted) {
        ASSERT_TRUE(Db().QueryWithRetry("SELECT total_changes();", changes).Ok());
        EXPECT_EQ(changes.Int64(1, 0) - start, 2); // the item row, and the unit it keeps
    }
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'P1';"), "0");

    ItemForm again(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Edit, Loaded("K1"));
    f = again.Initial();
    f.costPrice = 2.25;
    ASSERT_EQ(again.Save(f), ItemForm::Field::None);
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'P1';"), "1");
}

TEST_F(ItemFormTest, TheRecipeDialogNeedsATypeAndAsksAboutAnEmptyRecipe) {
    ItemForm form(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Create, Item());
    EXPECT_EQ(form.Title(), "създаване на изделие или услуга");
    ItemForm::Fields f;
    f.code = "R1";
    f.name = "Услуга";
    f.group = 2;
    f.units = "ч.";
    f.workCosts = 3.456;
    EXPECT_EQ(form.Save(f), ItemForm::Field::Type);
    EXPECT_EQ(prompter.Texts().last(),
              "Не е избран тип на разходната норма. Моля, изберете 'изделие' или 'услуга'.");
    f.type = ItemForm::RecipeType::Service;
    prompter.Expect(Answer::No);
    EXPECT_EQ(form.Save(f), ItemForm::Field::Components);
    EXPECT_EQ(prompter.Boxes().back().caption, "Потвърдете");
    prompter.Expect(Answer::Yes);
    EXPECT_EQ(form.Save(f), ItemForm::Field::None);
    EXPECT_EQ(Scalar("SELECT CAST(is_recipe AS TEXT) || CAST(is_service AS TEXT) || work_costs FROM stocks WHERE code = 'R1';"),
              "113.46");
}

TEST_F(ItemFormTest, PartnerCodesAndPricesWaitForASavedItem) {
    ItemForm goods(Db(), prompter, ItemForm::Kind::Goods, ItemForm::Mode::Create, Item());
    EXPECT_FALSE(goods.RequestPartnerCodes());
    EXPECT_FALSE(goods.RequestPartnerPrices());
    ItemForm recipe(Db(), prompter, ItemForm::Kind::Recipe, ItemForm::Mode::Copy, Loaded("P1"));
    EXPECT_FALSE(recipe.RequestPartnerPrices());
    EXPECT_TRUE(
        prompter.Texts()[0].endsWith("Запишете новата стока и преминете в режим на промяна, за да добавите "
                                     "кодове."));
    EXPECT_TRUE(
        prompter.Texts()[1].endsWith("Запишете новата стока и преминете в режим на промяна, за да добавите "
                                     "нова цена."));
    EXPECT_TRUE(
        prompter.Texts()[2].endsWith("Запишете новия артикул и преминете в режим на промяна, за да добавите "
                                     "нова цена."));
    EXPECT_EQ(recipe.Title(), "дублиране на изделие или услуга");
    EXPECT_EQ(recipe.Initial().code, "P1");
}

TEST_F(CatalogueTest, ThePickerOffersOnlyTheTabsOfItsMask) {
    ItemPicker materials(Db(), prompter, *settings, ItemViews::kMaterials);
    for (ItemKinds tab :
         {ItemViews::kGoodsAndMaterials, ItemViews::kProducts, ItemViews::kServices, ItemViews::kAll})
        EXPECT_FALSE(materials.SelectTab(tab));
    EXPECT_EQ(prompter.Count(), 4);
    EXPECT_EQ(prompter.Texts()[0], "Избаният изглед не е достъпен в тази част на програмата.");
    EXPECT_TRUE(materials.SelectTab(ItemViews::kMaterials));
    ASSERT_TRUE(materials.Reload());
    ASSERT_EQ(materials.Rows().size(), 1u);
    EXPECT_EQ(materials.Rows()[0].code, "M1");
    EXPECT_EQ(materials.FirstAllowed(ItemViews::kAll), ItemViews::kMaterials);

    ItemPicker all(Db(), prompter, *settings, ItemKinds::All());
    ASSERT_TRUE(all.SelectTab(ItemViews::kAll));
    ASSERT_TRUE(all.Reload());
    ASSERT_EQ(all.Rows().size(), 4u);
    EXPECT_EQ(all.Rows()[0].name, "Кабел ШВПС"); // by name
    const auto service = std::find_if(all.Rows().begin(), all.Rows().end(),
                                      [](const PickerRow& row) { return row.code == "S1"; });
    ASSERT_NE(service, all.Rows().end());
    EXPECT_EQ(ItemPicker::Cells(*service)[2], "-"); // a service holds no stock
}

TEST_F(CatalogueTest, ASearchThatFindsNothingHereOffersTheTabWithRows) {
    // The picker: "Удължител" is a product, not in goods and materials.
    ItemPicker picker(Db(), prompter, *settings, ItemKinds::All());
    picker.Search().Set("удълж");
    ASSERT_TRUE(picker.Reload());
    ASSERT_TRUE(picker.Rows().empty());
    prompter.Expect(Answer::Yes);
    EXPECT_EQ(picker.OfferOtherTab(), ItemViews::kProducts);
    EXPECT_EQ(prompter.Texts().value(0), "В изгледа „стоки и материали“ няма редове с „удълж“, но в изгледа "
                                         "„изделия“ има 1.\n\nДа бъде ли показан изгледът „изделия“?");
    prompter.Expect(Answer::No);
    EXPECT_EQ(picker.OfferOtherTab(), std::nullopt);
    // A tab the mask does not allow is not offered; nothing found anywhere asks nothing.
    ItemPicker goods(Db(), prompter, *settings, ItemKind::Goods | ItemKind::Materials);
    goods.Search().Set("удълж");
    ASSERT_TRUE(goods.Reload());
    prompter.Clear();
    EXPECT_EQ(goods.OfferOtherTab(), std::nullopt);
    picker.Search().Set("няма такова");
    ASSERT_TRUE(picker.Reload());
    EXPECT_EQ(picker.OfferOtherTab(), std::nullopt);
    EXPECT_EQ(prompter.Count(), 0);

    // The catalogue: a service searched for among goods.
    catalogue->Search().Set("монтаж");
    ASSERT_TRUE(catalogue->Reload());
    prompter.Expect(Answer::Yes);
    EXPECT_EQ(catalogue->OfferOtherView(), ItemViews::kServices);
    EXPECT_TRUE(prompter.AllAnswersUsed());
}

} // namespace
