// Stocktaking: a new count, its saves, a stored count corrected, and two
// seats correcting one count.
#include "stockops/StocktakingForm.h"

#include "db/Connection.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/ScriptedChoosers.h"
#include "support/ScriptedNumbers.h"
#include "support/TestFirm.h"

namespace {

class StocktakingTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO groups VALUES(2, 'Материали', 0);"));
        ASSERT_TRUE(AddStocks(Db(), {StockRow("G1", "Брава").Quantity(10).Cost(2.5).Prices(4, 3.5).Last(2), StockRow("G2", "Ключ").Quantity(3).Cost(1).Prices(2, 1.8).Last(1), StockRow("M1", "Лак").Group(2).Unit("л").Quantity(7.5).Cost(4).Last(4).Material(), StockRow("H1", "Скрит").Quantity(1).Cost(1).Prices(1, 1).Last(1).Hidden(), StockRow("S1", "Монтаж").Unit("ч.").Prices(30, 25).Recipe().Service()}));
        form = std::make_unique<StocktakingForm>(Db(), prompter, clock);
        ASSERT_TRUE(form->NewDocument([this](int done, int total) { progress.push_back({done, total}); }));
    }
    int Line(const char* code) const {
        for (size_t k = 0; k < form->Document().lines.size(); ++k)
            if (form->Document().lines[k].code == code)
                return static_cast<int>(k);
        return -1;
    }
    void Count(const char* code, double counted) {
        numbers.answers.push_back(counted);
        ASSERT_TRUE(form->EditCount(Line(code), numbers)) << code;
    }
    QString Stock(const char* code) {
        return Scalar(QByteArray("SELECT ROUND(quantity, 3) FROM stocks WHERE code = '") + code + "';");
    }
    static constexpr const char* kReplace =
        "Желаете ли да замените наличностите в склада с новите начални салда?\n\n(Да) - това са новите "
        "начални "
        "салда\n(Не) - само запис на документа, без промяна на наличностите\n(Отказ) - отказвам записа на "
        "операцията.";
    static constexpr const char* kDone = "Операцията приключи успешно";

    std::unique_ptr<StocktakingForm> form;
    ScriptedNumbers numbers;
    ScriptedDocuments documents;
    std::vector<std::pair<int, int>> progress;
};

TEST_F(StocktakingTest, ANewCountListsStockedItemsAndItsColumns) {
    QStringList codes;
    for (const StocktakingLine& line : form->Document().lines)
        codes << line.code;
    EXPECT_EQ(codes, QStringList({"G1", "G2", "M1"})); // by name, no hidden item, no service
    EXPECT_EQ(progress.back(), std::make_pair(3, 3));
    EXPECT_EQ(form->NumberText(), "0000000001");
    Count("G1", 12);
    EXPECT_EQ(numbers.opened.back(), 10);
    EXPECT_EQ(numbers.decimals.back(), 3);
    EXPECT_EQ(StocktakingForm::Cells(form->Document().lines[0]),
              QStringList({"G1", "Брава", "Стоки", "бр.", "10.000", "12.000", "2.000", "2.50", "30.00",
                           "5.00", "48.00", "42.00"}));
    // Columns 8 to 11 give their sums; the others open the count.
    EXPECT_FALSE(form->Activate(0, 8, numbers));
    EXPECT_EQ(prompter.Texts().back(), "Сумата на артикулите в тази колона е: 63.00"); // 30 + 3 + 30
    EXPECT_FALSE(form->Activate(0, 10, numbers));
    EXPECT_EQ(prompter.Texts().back(), "Сумата на артикулите в тази колона е: 54.00");
    numbers.answers.push_back(11);
    EXPECT_TRUE(form->Activate(0, 2, numbers));
    EXPECT_EQ(form->Document().lines[0].counted, 11);

    // The filter and the search narrow the view only.
    form->Search().Set("ключ");
    EXPECT_EQ(form->ShownLines(), std::vector<int>{1});
    form->Search().Set("Л");
    EXPECT_EQ(form->ShownLines(), (std::vector<int>{1, 2})); // "Ключ", and "Лак" by its name and unit
    form->Search().Clear();
    std::vector<GroupNode> tree;
    ASSERT_TRUE(LoadGroupTree(Db(), tree));
    form->Filter().SetTicked(tree, 2, true, false);
    EXPECT_EQ(form->ShownLines(), std::vector<int>{2});
    EXPECT_EQ(form->Document().lines.size(), 3u);
}

TEST_F(StocktakingTest, YesMakesEveryCountTheStockAndNamesMovesFirst) {
    Count("G1", 12);
    // A sale by another seat since the count began.
    auto other = OpenSecondConnection();
    ASSERT_TRUE(
        other->Exec("UPDATE stocks SET quantity = 2 WHERE code = 'G2';").Ok());
    std::vector<GroupNode> tree;
    ASSERT_TRUE(LoadGroupTree(Db(), tree));
    form->Filter().SetTicked(tree, 2, true, false); // filtered lines are saved too
    prompter.Expect(Answer::Yes);
    prompter.Expect(Answer::No);
    EXPECT_FALSE(form->Save());
    EXPECT_TRUE(prompter.Texts().back().startsWith("1 от преброените артикула имат движение"));
    EXPECT_EQ(Stock("G1"), "10.0");

    prompter.Clear();
    prompter.Expect(Answer::Yes);
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(prompter.Texts().back(), kDone);
    EXPECT_EQ(Stock("G1"), "12.0");
    EXPECT_EQ(Stock("G2"), "3.0"); // the count read when the document began
    EXPECT_EQ(Stock("M1"), "7.5");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM revisions_cmp WHERE doc_id = 1;"), "3");
    EXPECT_EQ(form->CurrentState(), StocktakingForm::State::Saved);
    // A saved count is not saved again until it is loaded.
    prompter.Clear();
    EXPECT_FALSE(form->Save());
    EXPECT_EQ(prompter.Texts(),
              QStringList("Грешка: не e активирана опцията за редактиране на издадени документи."));
    numbers.answers.push_back(1);
    EXPECT_FALSE(form->EditCount(0, numbers));
    EXPECT_EQ(prompter.Texts().back(),
              "Грешка: не е активирана опцията за редактиране на издадени документи");
}

TEST_F(StocktakingTest, NoWritesTheCountOnlyAndCancelNothing) {
    Count("G1", 12);
    prompter.Expect(Answer::Cancel);
    EXPECT_FALSE(form->Save());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM revisions;"), "0");
    // The number is taken when the count is saved.
    auto other = OpenSecondConnection();
    ASSERT_TRUE(
        other->Exec("INSERT INTO revisions VALUES(1, '2026-12-01', '');").Ok());
    prompter.Expect(Answer::No);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(form->NumberText(), "0000000002");
    EXPECT_EQ(Stock("G1"), "10.0");
    EXPECT_EQ(Scalar("SELECT actual_quantity FROM revisions_cmp WHERE doc_id = 2 AND item_code = 'G1';"),
              "12");
}

TEST_F(StocktakingTest, ALoadedCountCorrectsByTheDifferenceAgainstTheStoredCount) {
    prompter.Expect(Answer::No);
    ASSERT_TRUE(form->Save());
    documents.choices.push_back({1, "08.12.2026", QDate(2026, 12, 8), "бележка", {}});
    prompter.Clear();
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->Load(documents));
    EXPECT_EQ(documents.kinds.back(), 6);
    EXPECT_EQ(prompter.Texts().back(), "Документът 0000000001 беше зареден успешно.");
    EXPECT_EQ(form->CurrentState(), StocktakingForm::State::Loaded);
    EXPECT_FALSE(form->EditCount(Line("G1"), numbers)); // not allowed until ticked
    EXPECT_TRUE(numbers.opened.empty());
    form->SetEditingAllowed(true);
    Count("G1", 12);

    // Another seat corrected the same count to 11 meanwhile (and the stock by 1).
    StocktakingForm otherSeat(Db(), prompter, clock);
    documents.choices.push_back({1, "08.12.2026", QDate(2026, 12, 8), "бележка", {}});
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(otherSeat.Load(documents));
    otherSeat.SetEditingAllowed(true);
    numbers.answers.push_back(11);
    ASSERT_TRUE(otherSeat.EditCount(Line("G1"), numbers));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(otherSeat.Save());
    EXPECT_EQ(Stock("G1"), "11.0");

    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->Save());
    EXPECT_EQ(Stock("G1"), "12.0"); // +1 against the stored 11, not +2 against the loaded 10
    EXPECT_EQ(Stock("G2"), "3.0");
    EXPECT_EQ(Scalar("SELECT notes FROM revisions;"), "бележка");
    EXPECT_EQ(
        Scalar("SELECT actual_quantity || '|' || projected_quantity FROM revisions_cmp WHERE item_code = "
               "'G1';"),
        "12|10");
}

TEST_F(StocktakingTest, AFailingUpdateRollsEverythingBackAndDeletedItemsAreNamed) {
    Count("G1", 12);
    Count("M1", 8);
    {
        FailureInjector second(doc->GetDatabase(), SQLITE_UPDATE, "stocks", 1, "quantity");
        prompter.Expect(Answer::Yes);
        EXPECT_FALSE(form->Save());
    }
    EXPECT_EQ(prompter.Texts().back(),
              "грешка: количеството на поне един артикул не може да бъде променено.");
    EXPECT_EQ(Stock("G1"), "10.0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM revisions;"), "0");
    EXPECT_EQ(form->CurrentState(), StocktakingForm::State::New);

    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("DELETE FROM stocks WHERE code = 'G2';").Ok());
    prompter.Clear();
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(form->Save());
    EXPECT_TRUE(prompter.Texts().back().startsWith(kDone));
    EXPECT_TRUE(prompter.Texts().back().endsWith(": G2"));
    EXPECT_EQ(Stock("M1"), "8.0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM revisions_cmp;"), "3");
}

} // namespace
