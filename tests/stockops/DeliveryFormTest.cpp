// The delivery form: a new delivery from supplier to saved stock, its
// checks, the taken number, a failure part-way, and a stored delivery.
#include "db/Connection.h"
#include "stockops/DeliveryTestBase.h"
#include "support/FailureInjector.h"

namespace {

TEST_F(DeliveryTest, ASavedDeliveryMovesStockCostAndLastPrice) {
    EXPECT_EQ(form->NumberText(), "0000000001");
    ChooseSupplier();
    EXPECT_EQ(partners.tabs.back(), PartnerTab::Suppliers);
    EXPECT_EQ(partners.preselected.back(), 0);
    EXPECT_EQ(form->Header().givenBy, "О'Нийл"); // the supplier's MOL hands the goods over
    Add("G1", 5, 3.00);
    // The line dialog opens with quantity 1 and the item's last price.
    EXPECT_EQ(lines.shown.back().quantity, 1);
    EXPECT_DOUBLE_EQ(lines.shown.back().price, 1.9);
    EXPECT_EQ(items.masks.back(), ItemKind::Goods | ItemKind::Materials | ItemKind::Products);
    Add("G2", 2, 1.5);
    form->SetInvoiceNo("F'100");
    const std::vector<std::pair<QString, QString>> totals{
        {"СУМА:", "18.00 "}, {"Т.О.:", "0.00 "}, {"ДДС:", "3.60 "}, {"ВСИЧКО:", "21.60 "}};
    EXPECT_EQ(form->TotalsRows(), totals);

    prompter.AnswerAlways(kPrintQuestion, Answer::Yes);
    ASSERT_TRUE(Save());
    EXPECT_EQ(prompter.Texts(), QStringList({kSaved, kPrintQuestion}));
    ASSERT_EQ(printer.previewed.size(), 1u);
    EXPECT_EQ(printer.previewed[0].numberText, "0000000001");
    EXPECT_FALSE(form->IsNew());
    EXPECT_FALSE(form->HasUnsavedChanges());

    EXPECT_EQ(Item("G1"), "15.0|2.33|3.0");
    EXPECT_EQ(Item("G2"), "6.0|1.17|1.5");
    EXPECT_EQ(
        Scalar("SELECT doc_id || '|' || given_by || '|' || received_by || '|' || partner_id || '|' || "
               "all_sum || '|' || vat_sum || '|' || total_sum || '|' || invoice_no FROM supplies_main;"),
        "1|О'Нийл|Мария|1|18|3.6|21.6|F'100");
    EXPECT_EQ(
        Scalar("SELECT group_concat(seq_id || ':' || item_code || ':' || item_group || ':' || quantity || "
               "':' || price || ':' || end_price || ':' || invoice_no, ' ') FROM supplies_items;"),
        "1:G1:1:5:3:15:F'100 2:G2:1:2:1.5:3:F'100");
    EXPECT_EQ(Scalar("SELECT partner_name || '|' || partner_mol || '|' || partner_bank_acc || '|' || "
                     "partner_vat_registered FROM supplies_partners WHERE doc_id = 1;"),
              "Д'Артанян ООД|О'Нийл|BG80STSA|1");
    EXPECT_EQ(
        Scalar("SELECT firm_name || '|' || firm_vat_reg || '|' || firm_vat_value FROM supplies_firmdata;"),
        "Тарво ООД|1|20");
    // The next delivery takes the next number.
    ASSERT_TRUE(form->NewDelivery());
    EXPECT_EQ(form->NumberText(), "0000000002");
}

TEST_F(DeliveryTest, DiscountReducesThePriceOfTheStockUpdateOnly) {
    ChooseSupplier();
    Add("G1", 10, 3.00);
    EXPECT_FALSE(form->SetDiscount(-1));
    EXPECT_EQ(prompter.Texts().value(0), "Размерът на отстъпката не може да бъде отрицателно число.");
    ASSERT_TRUE(form->SetDiscount(10));
    ASSERT_TRUE(Save());
    // 10 at 2.00 and 10 at 2.70; the line keeps 3.00.
    EXPECT_EQ(Item("G1"), "20.0|2.35|2.7");
    EXPECT_EQ(Scalar("SELECT price FROM supplies_items;"), "3");
    EXPECT_EQ(Scalar("SELECT discount || '|' || all_sum || '|' || discount_sum || '|' || oblagaema_sum FROM "
                     "supplies_main;"),
              "10|30|3|27");
}

TEST_F(DeliveryTest, PricesWithVatForAFirmOutsideVat) {
    ASSERT_TRUE(Db().Exec("UPDATE firmdata SET vat_registered = 0;"));
    form->Start();
    ChooseSupplier();
    Add("G1", 1, 10.00, true);
    EXPECT_TRUE(lines.shown.back().withVat);
    EXPECT_TRUE(lines.shown.back().withVatEnabled);
    EXPECT_DOUBLE_EQ(form->Lines().back().price, 12.00);
    // Changing the line starts from the price it holds, with the box clear.
    lines.replies.push_back({2, 12.00, false});
    ASSERT_TRUE(form->ChangeLine(0, lines));
    EXPECT_FALSE(lines.shown.back().withVat);
    EXPECT_DOUBLE_EQ(form->Lines().back().value, 24.00);
    EXPECT_EQ(form->TotalsRows()[2].second, "0.00 "); // no VAT on a firm outside it

    // A registered firm enters prices without VAT: the box is off and disabled.
    ASSERT_TRUE(Db().Exec("UPDATE firmdata SET vat_registered = 1;"));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->NewDelivery());
    ChooseSupplier();
    Add("G1", 1, 10.00, true);
    EXPECT_FALSE(lines.shown.back().withVatEnabled);
    EXPECT_FALSE(lines.shown.back().withVat);
    EXPECT_DOUBLE_EQ(form->Lines().back().price, 10.00);
}

TEST_F(DeliveryTest, LineDialogRefusalsAndThePriceCalculation) {
    ChooseSupplier();
    items.codes.push_back("G1");
    lines.replies = {{0, 2.00, false}, {1, 0, false}, {4, 2.00, false}};
    ASSERT_TRUE(form->AddLine(items, lines));
    const QString refusal = "Поне едно поле не е попълнено коректно или липсват каквито и да е данни.";
    EXPECT_EQ(prompter.Texts(), QStringList({refusal, refusal}));
    EXPECT_EQ(prompter.Boxes()[0].icon, MessageIcon::Stop);
    EXPECT_DOUBLE_EQ(form->Lines().back().quantity, 4);

    // 120.00 with VAT over 10 units is 10.00 a unit; no units is refused.
    prompter.Clear();
    items.codes.push_back("G2");
    lines.replies = {{10, 0, false}, {10, 0, false}};
    lines.calculations = {{120, 0, true}, {120, 10, true}};
    ASSERT_TRUE(form->AddLine(items, lines));
    ASSERT_EQ(lines.calculated.size(), 2u);
    EXPECT_EQ(lines.calculated[0], std::nullopt);
    EXPECT_EQ(lines.calculated[1], 10.0);
    EXPECT_EQ(prompter.Texts().value(0),
              "Количеството трябва да бъде по-голямо от нула, за да се изчисли единичната цена.");
    EXPECT_DOUBLE_EQ(form->Lines().back().price, 10.0);

    // Removing asks first.
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->DeleteLines({0}));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->DeleteLines({0, 0}));
    ASSERT_EQ(form->Lines().size(), 1u);
    EXPECT_EQ(form->Lines()[0].code, "G2");
}

TEST_F(DeliveryTest, ChecksComeInOrderAndWriteNothing) {
    // Each refusal names the field the window then puts the focus into.
    using Field = DeliveryForm::Field;
    auto refusedWith = [&](const char* text, Field field) {
        prompter.Clear();
        EXPECT_FALSE(Save());
        EXPECT_EQ(prompter.Texts(), QStringList(text));
        EXPECT_EQ(form->RefusedField(), field) << text;
    };
    refusedWith("Не са въведени артикули по тази операция.", Field::None);
    Add("G1", 1, 2);
    refusedWith("Не е избран доставчик по тази операция.", Field::Supplier);
    ChooseSupplier();
    ASSERT_TRUE(form->SetDiscount(100.5));
    refusedWith("Размерът на отстъпката надвишава максимално допустимия.", Field::Discount);
    ASSERT_TRUE(form->SetDiscount(100));
    form->SetGivenBy("  ");
    refusedWith("Моля, попълнете имената на лицата, приели и предали стоките.", Field::GivenBy);
    form->SetGivenBy("Иван");
    form->SetReceivedBy("");
    refusedWith("Моля, попълнете имената на лицата, приели и предали стоките.", Field::ReceivedBy);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM supplies_main;"), "0");
    EXPECT_EQ(Item("G1"), "10.0|2.0|1.9");
}

TEST_F(DeliveryTest, ATakenNumberIsAskedAboutWithTheFileUnlocked) {
    ChooseSupplier();
    Add("G1", 5, 3.00);
    // Another seat saves delivery 1 while this one is open.
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("INSERT INTO supplies_main (doc_id, doc_dt) VALUES(1, '2026-12-01');").Ok());

    prompter.Expect(Answer::No);
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts(), QStringList(kTakenQuestion));
    EXPECT_TRUE(form->IsNew());
    EXPECT_EQ(Item("G1"), "10.0|2.0|1.9");

    prompter.Clear();
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(Save());
    EXPECT_EQ(prompter.Texts(), QStringList({kTakenQuestion, kSaved, kPrintQuestion}));
    EXPECT_EQ(form->NumberText(), "0000000002");
    EXPECT_EQ(Scalar("SELECT group_concat(DISTINCT doc_id) FROM supplies_items;"), "2");
    EXPECT_EQ(Item("G1"), "15.0|2.33|3.0");
}

TEST_F(DeliveryTest, AFailureOnTheThirdLineLeavesTheFirstTwoItemsAlone) {
    ChooseSupplier();
    Add("G1", 5, 3.00);
    Add("G2", 5, 3.00);
    Add("M1", 5, 3.00);
    {
        FailureInjector third(doc->GetDatabase(), SQLITE_UPDATE, "stocks", 2, "quantity");
        EXPECT_FALSE(Save());
        EXPECT_EQ(third.Refused(), 1);
    }
    EXPECT_EQ(prompter.Texts().back(), kSaveFailed);
    EXPECT_EQ(Item("G1"), "10.0|2.0|1.9");
    EXPECT_EQ(Item("G2"), "4.0|1.0|1.0");
    EXPECT_EQ(Item("M1"), "100.0|0.5|0.45");
    for (const char* table : {"supplies_main", "supplies_items", "supplies_partners", "supplies_firmdata"})
        EXPECT_EQ(Scalar(QByteArray("SELECT COUNT(*) FROM ") + table + ";"), "0") << table;
    // The form keeps its data, and saves once the file takes writes again.
    EXPECT_TRUE(form->IsNew());
    EXPECT_EQ(form->Lines().size(), 3u);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Item("M1"), "105.0|0.62|3.0");
}

TEST_F(DeliveryTest, ALateFailureOfTheCopiesUndoesTheStock) {
    ChooseSupplier();
    Add("G1", 5, 3.00);
    {
        FailureInjector firm(doc->GetDatabase(), SQLITE_INSERT, "supplies_firmdata", 0);
        EXPECT_FALSE(Save());
    }
    EXPECT_EQ(Item("G1"), "10.0|2.0|1.9");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM supplies_items;"), "0");
}

TEST_F(DeliveryTest, RecipesAreMarkedOnlyWhenAMaterialsCostChanges) {
    ChooseSupplier();
    Add("M1", 100, 0.50); // same cost: nothing to roll up again
    ASSERT_TRUE(Save());
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'P1';"), "0");
    EXPECT_EQ(Item("M1"), "200.0|0.5|0.5");

    ASSERT_TRUE(form->NewDelivery());
    ChooseSupplier();
    Add("M1", 200, 1.00);
    ASSERT_TRUE(Save());
    EXPECT_EQ(Item("M1"), "400.0|0.75|1.0");
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'P1';"), "1");
}

TEST_F(DeliveryTest, AFailedRecipeMarkFailsTheSave) {
    ChooseSupplier();
    Add("M1", 100, 1.00);
    {
        FailureInjector mark(doc->GetDatabase(), SQLITE_UPDATE, "stocks", 0, "is_dirty");
        EXPECT_FALSE(Save());
    }
    EXPECT_EQ(prompter.Texts().back(), kSaveFailed);
    EXPECT_EQ(Item("M1"), "100.0|0.5|0.45");
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'P1';"), "0");
}

TEST_F(DeliveryTest, LinesReadTheirItemInsideTheSave) {
    ChooseSupplier();
    // Two lines of one item: the second sees the first.
    Add("G1", 5, 3.00);
    Add("G1", 5, 3.00);
    // A sale by another seat while the delivery is open is kept.
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("UPDATE stocks SET quantity = 7 WHERE code = 'G1';").Ok());
    ASSERT_TRUE(Save());
    // 7 at 2.00 + 5 at 3.00 = 12 at 2.42; + 5 at 3.00 = 17 at 2.59.
    EXPECT_EQ(Item("G1"), "17.0|2.59|3.0");
}

TEST_F(DeliveryTest, AnItemDeletedMeanwhileStopsTheSave) {
    ChooseSupplier();
    Add("G2", 1, 1.00);
    Add("G1", 1, 1.00);
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("DELETE FROM stocks WHERE code = 'G1';").Ok());
    EXPECT_FALSE(Save());
    EXPECT_EQ(prompter.Texts(),
              QStringList({"Артикулът с код G1 вече не съществува в номенклатурата.", kSaveFailed}));
    EXPECT_EQ(Item("G2"), "4.0|1.0|1.0");
}

TEST_F(DeliveryTest, AFailingSaveGroupWritesNothing) {
    std::vector<std::pair<int, bool>> seen;
    form->AddSaveGroup([&seen](WriteTransaction&, DeliverySaveContext& c) {
        seen.push_back({c.number, c.markPaid});
        return false;
    });
    ChooseSupplier();
    Add("G1", 5, 3.00);
    form->SetMarkPaid(true);
    EXPECT_FALSE(Save());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(1, true));
    EXPECT_EQ(Item("G1"), "10.0|2.0|1.9");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM supplies_main;"), "0");
    EXPECT_EQ(prompter.Texts().back(), kSaveFailed);
}

TEST_F(DeliveryTest, AStoredDeliveryLoadsAsSavedAndKeepsItsStock) {
    ChooseSupplier();
    Add("G1", 5, 3.00);
    Add("G2", 2.5, 1.20);
    form->SetInvoiceNo("F'7");
    form->SetPayDate(QDate(2026, 12, 31));
    ASSERT_TRUE(form->SetDiscount(5));
    ASSERT_TRUE(Save());
    const Delivery saved = form->Document();
    const DeliveryTotals savedTotals = form->Totals();

    documents.choices.push_back({1, QString(), QDate(), QString(), {}});
    ASSERT_TRUE(form->NewDelivery());
    prompter.Clear();
    ASSERT_TRUE(form->Load(documents));
    EXPECT_EQ(documents.kinds.back(), 0);
    EXPECT_EQ(prompter.Texts(), QStringList("Документът 0000000001 беше зареден успешно."));
    const Delivery& loaded = form->Document();
    EXPECT_EQ(loaded.header.docDate, saved.header.docDate);
    EXPECT_EQ(loaded.header.payDate, QDate(2026, 12, 31));
    EXPECT_EQ(loaded.header.givenBy, saved.header.givenBy);
    EXPECT_EQ(loaded.header.receivedBy, saved.header.receivedBy);
    EXPECT_EQ(loaded.header.invoiceNo, "F'7");
    EXPECT_DOUBLE_EQ(loaded.header.discount, 5);
    EXPECT_EQ(loaded.supplier.name, saved.supplier.name);
    EXPECT_EQ(loaded.supplier.address, "ул. \"Първа\" 1");
    EXPECT_EQ(loaded.supplier.bankCode, "STSABGSF");
    EXPECT_EQ(loaded.firm.bulstat, saved.firm.bulstat);
    ASSERT_EQ(loaded.lines.size(), 2u);
    EXPECT_EQ(DeliveryForm::Cells(loaded.lines[1]), DeliveryForm::Cells(saved.lines[1]));
    EXPECT_DOUBLE_EQ(form->Totals().total, savedTotals.total);
    EXPECT_FALSE(form->MayChangeLines());
    EXPECT_FALSE(form->HasUnsavedChanges());
    EXPECT_FALSE(form->AddLine(items, lines));
    EXPECT_FALSE(form->SetDiscount(7));

    // Its header is written again; stock and lines stay.
    const QString stock = Item("G1");
    form->SetGivenBy("Д'Ор");
    form->SetInvoiceNo("F'8");
    form->SetDate(QDate(2026, 12, 9));
    prompter.Clear();
    ASSERT_TRUE(Save());
    EXPECT_EQ(prompter.Texts(), QStringList({"Промените по доставката бяха съхранени.", kPrintQuestion}));
    EXPECT_EQ(Item("G1"), stock);
    EXPECT_EQ(
        Scalar("SELECT given_by || '|' || invoice_no || '|' || doc_dt || '|' || all_sum FROM supplies_main;"),
        "Д'Ор|F'8|2026-12-09|18");
    EXPECT_EQ(Scalar("SELECT group_concat(invoice_no || doc_dt) FROM supplies_items;"),
              "F'82026-12-09,F'82026-12-09");
    EXPECT_EQ(Scalar("SELECT doc_dt FROM supplies_partners;"), "2026-12-09");
}

TEST_F(DeliveryTest, TheReceiverIsRememberedAndUnsavedLinesAsked) {
    settings->SetAutoCompleteNameMode(1);
    form->SetReceivedBy("Стоян");
    EXPECT_EQ(settings->SuppliesLastAutoCompleteName(), "Стоян");
    ASSERT_TRUE(form->NewDelivery());
    EXPECT_EQ(form->Header().receivedBy, "Стоян");
    settings->SetAutoCompleteNameMode(0);
    ASSERT_TRUE(form->NewDelivery());
    EXPECT_EQ(form->Header().receivedBy, "");

    ChooseSupplier();
    partners.ids.push_back(1);
    ASSERT_TRUE(form->ChooseSupplier(partners));
    EXPECT_EQ(partners.preselected.back(), 1);
    Add("G1", 1, 1);
    prompter.Clear();
    prompter.Expect(Answer::No);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->NewDelivery());
    EXPECT_FALSE(form->Load(documents));
    EXPECT_EQ(prompter.Count(), 2);
    EXPECT_EQ(form->Lines().size(), 1u);
}

} // namespace
