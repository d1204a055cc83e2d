// Closing a period: which documents go, which stay, and that a failure or a
// missing archive copy is never reported as success.
#include "app/PeriodClosing.h"

#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/TestFirm.h"

namespace {
constexpr const char* kQuestion =
    "Всички избрани документи за посочения период ще бъдат унищожени! Желаете ли да продължите?";
constexpr const char* kDone = "Приключването на периода завърши успешно!";

class PeriodClosingTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO stokovi_main (doc_id, doc_dt) VALUES(1, '2023-12-31');"
            "INSERT INTO stokovi_items (doc_id, doc_dt, item_code, quantity) VALUES(1, '2023-12-31', 'G1', "
            "1);"
            "INSERT INTO stokovi_main (doc_id, doc_dt) VALUES(2, '2024-01-01');"
            "INSERT INTO stokovi_items (doc_id, doc_dt, item_code, quantity) VALUES(2, '2024-01-01', 'G1', "
            "1);"
            "INSERT INTO supplies_main (doc_id, doc_dt) VALUES(1, '2023-06-01');"
            "INSERT INTO cash_register VALUES(1, 0, 'а', '2023-12-01', '2023-12-20', '', 1, 10, 0, 0);"
            "INSERT INTO cash_register VALUES(2, 0, 'б', '2023-12-01', '2024-01-10', '', 1, 10, 0, 0);"
            "INSERT INTO cash_register VALUES(3, 0, 'в', '2024-02-01', '2024-02-01', '', 1, 10, 0, 0);"
            "INSERT INTO cash_register_cmp VALUES(1, 1, '2023-12-20', 10);"
            "INSERT INTO cash_register_cmp VALUES(2, 2, '2024-01-10', 10);"
            "INSERT INTO cash_register_cmp VALUES(3, 3, '2024-02-01', 10);"));
        ASSERT_TRUE(
            AddStocks(Db(), {StockRow("G1", "Кабел").Unit("м").Quantity(10).Cost(1).Prices(2, 2).Last(1)}));
    }
    PeriodClosing Closing() {
        return PeriodClosing(Db(), prompter, [this] {
            ++archives;
            return archiveWorks;
        });
    }
    ClosingRequest UpTo(const QDate& day, std::set<DocumentKind> kinds) {
        ClosingRequest request;
        request.mode = ClosingRequest::Mode::UpTo;
        request.upTo = day;
        request.kinds = std::move(kinds);
        return request;
    }
    QString Ids(const char* table, const char* column = "doc_id") {
        return Scalar(QByteArray("SELECT COALESCE(group_concat(") + column + "), '') FROM (SELECT * FROM " +
                      table + " ORDER BY 1) AS t;");
    }
    int archives = 0;
    bool archiveWorks = true;
};
} // namespace

TEST_F(PeriodClosingTest, UpToADayKeepsTheNextDayAndNeverTouchesTheStock) {
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(Closing().Confirm(
        UpTo(QDate(2023, 12, 31), {DocumentKind::GoodsNotes, DocumentKind::CashOperations})));
    EXPECT_EQ(prompter.Texts(), (QStringList{kQuestion, kDone}));
    EXPECT_EQ(Ids("stokovi_main"), "2");
    EXPECT_EQ(Ids("stokovi_items"), "2");
    // The cash register: both dates must lie in the period.
    EXPECT_EQ(Ids("cash_register", "rec_id"), "2,3");
    EXPECT_EQ(Ids("cash_register_cmp", "rec_id"), "2,3");
    // Kinds not chosen stay, and the stock is as it was.
    EXPECT_EQ(Ids("supplies_main"), "1");
    EXPECT_EQ(Scalar("SELECT quantity FROM stocks;"), "10");
    EXPECT_EQ(archives, 0);
}

TEST_F(PeriodClosingTest, APeriodAppliesToBothCashDatesAndAllModeTakesEverything) {
    ClosingRequest period;
    period.mode = ClosingRequest::Mode::Period;
    period.from = QDate(2023, 12, 1);
    period.to = QDate(2024, 1, 31);
    period.kinds = {DocumentKind::CashOperations, DocumentKind::GoodsNotes};
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(Closing().Confirm(period));
    EXPECT_EQ(Ids("cash_register", "rec_id"), "3");
    EXPECT_EQ(Ids("stokovi_main"), "");

    ClosingRequest all;
    all.kinds = {DocumentKind::CashOperations, DocumentKind::Deliveries};
    prompter.Expect(Answer::Yes);
    EXPECT_TRUE(Closing().Confirm(all));
    EXPECT_EQ(Ids("cash_register", "rec_id"), "");
    EXPECT_EQ(Ids("cash_register_cmp", "rec_id"), "");
    EXPECT_EQ(Ids("supplies_main"), "");
}

TEST_F(PeriodClosingTest, RefusalsKeepTheDialogOpenAndDeleteNothing) {
    // No kind.
    EXPECT_FALSE(Closing().Confirm(UpTo(QDate(2030, 1, 1), {})));
    EXPECT_EQ(prompter.Texts(), QStringList{"Необходимо е да изберете поне един от типовете документи!"});
    // A period that ends before it begins.
    ClosingRequest reversed;
    reversed.mode = ClosingRequest::Mode::Period;
    reversed.from = QDate(2024, 2, 1);
    reversed.to = QDate(2024, 1, 1);
    reversed.kinds = {DocumentKind::GoodsNotes};
    prompter.Clear();
    EXPECT_FALSE(Closing().Confirm(reversed));
    EXPECT_EQ(prompter.Count(), 1);
    // No to the question.
    prompter.Clear();
    prompter.Expect(Answer::No);
    EXPECT_FALSE(Closing().Confirm(UpTo(QDate(2030, 1, 1), {DocumentKind::GoodsNotes})));
    EXPECT_EQ(Ids("stokovi_main"), "1,2");
}

TEST_F(PeriodClosingTest, AFailedArchiveAsksAndAFailedDeletionIsNotSuccess) {
    ClosingRequest request = UpTo(QDate(2030, 1, 1), {DocumentKind::GoodsNotes, DocumentKind::Deliveries});
    request.archiveFirst = true;
    archiveWorks = false;
    prompter.Expect(Answer::Yes);
    prompter.Expect(Answer::No); // not without a copy
    EXPECT_FALSE(Closing().Confirm(request));
    EXPECT_EQ(archives, 1);
    EXPECT_EQ(Ids("stokovi_main"), "1,2");

    // The deliveries cannot be deleted after the goods notes were: all stays.
    archiveWorks = true;
    prompter.Clear();
    prompter.Expect(Answer::Yes);
    {
        FailureInjector failure(doc->GetDatabase(), SQLITE_DELETE, "supplies_main", 0);
        EXPECT_TRUE(Closing().Confirm(request));
    }
    EXPECT_EQ(archives, 2);
    EXPECT_FALSE(prompter.Texts().contains(kDone));
    EXPECT_EQ(prompter.Texts().last(),
              "Приключването на периода не беше извършено. Документите не са изтрити.");
    EXPECT_EQ(Ids("stokovi_main"), "1,2");
    EXPECT_EQ(Ids("stokovi_items"), "1,2");
    EXPECT_EQ(Ids("supplies_main"), "1");
}
