// The firm's move from leva to euro: the prices, the rounding, the archive,
// the refusals and a failure half-way.
#include "app/CurrencyChangeover.h"

#include "db/Connection.h"
#include "masterdata/FirmCurrency.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/TestFirm.h"

namespace {

class CurrencyChangeoverTest : public DatabaseTest {
protected:
    CurrencyChangeover Changeover() {
        return CurrencyChangeover(Db(), prompter, [this]() -> std::optional<QString> {
            ++archives;
            if (!archiveWorks)
                return std::nullopt;
            return QString("/tmp/TV20261208103000.Z");
        });
    }
    QString Price(const char* column, const char* code) {
        return Scalar(
            QString("SELECT printf('%.2f', %1) FROM stocks WHERE code = '%2';").arg(column, code).toUtf8());
    }
    int archives = 0;
    bool archiveWorks = true;
};

TEST_F(CurrencyChangeoverTest, EveryPriceIsDividedByTheRateAndRoundedHalvesUp) {
    ASSERT_TRUE(AddStocks(Db(), {StockRow("A", "Десет").Group(0).Quantity(5).Cost(1.95583).Prices(10, 0.01).Work(0.005).Last(3.91166),
                                 StockRow("R", "Изделие").Group(0).Recipe()}));
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO stock_prices (stock_code, partner_id, partner_price) VALUES('A', 1, 19.5583);"
        "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum, total_sum) "
        "VALUES(1, '2026-11-30', 1, 100, 120);"
        "INSERT INTO stokovi_items (doc_id, item_code, price, end_price) VALUES(1, 'A', 10, 100);"));
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(Changeover().Choose(Currency::EUR, QDate(2026, 12, 8)));
    EXPECT_FALSE(prompter.Texts().first().contains("Внимание")); // the only note is of 30 November
    EXPECT_EQ(archives, 1);
    EXPECT_EQ(Price("price_1", "A"), "5.11");    // 10.00 leva
    EXPECT_EQ(Price("cost_price", "A"), "1.00"); // 1.95583
    EXPECT_EQ(Price("price_2", "A"), "0.01");    // 0.01: 0.00511 rounds up
    EXPECT_EQ(Price("work_costs", "A"), "0.00"); // 0.005: 0.00256 rounds down
    EXPECT_EQ(Price("last_price", "A"), "2.00");
    EXPECT_EQ(Scalar("SELECT printf('%.2f', partner_price) FROM stock_prices;"), "10.00");
    EXPECT_EQ(Scalar("SELECT is_dirty FROM stocks WHERE code = 'R';"), "1");
    EXPECT_EQ(Scalar("SELECT quantity FROM stocks WHERE code = 'A';"), "5"); // quantities stay
    // Documents issued in leva stay as they were.
    EXPECT_EQ(Scalar("SELECT oblagaema_sum || '/' || total_sum FROM stokovi_main;"), "100/120");
    EXPECT_EQ(Scalar("SELECT end_price FROM stokovi_items;"), "100");
    const FirmCurrency firm = LoadFirmCurrency(Db());
    EXPECT_EQ(firm.current, Currency::EUR);
    EXPECT_EQ(firm.changeover, QDate(2026, 12, 8));
    EXPECT_EQ(firm.On(QDate(2026, 12, 7)), Currency::BGN);
    EXPECT_EQ(firm.On(QDate(2026, 12, 8)), Currency::EUR);
    // The message names the count (five item prices and one partner price)
    // and the archive.
    ASSERT_FALSE(prompter.Texts().isEmpty());
    EXPECT_TRUE(prompter.Texts().last().contains("Променени цени: 6."));
    EXPECT_TRUE(prompter.Texts().last().contains("TV20261208103000.Z"));

    // No way back, and no second changeover.
    prompter.Clear();
    EXPECT_FALSE(Changeover().Choose(Currency::BGN, QDate(2026, 12, 9)));
    EXPECT_TRUE(prompter.Texts().last().contains("не е възможно"));
    QString archive;
    EXPECT_FALSE(Changeover().Run(QDate(2026, 12, 9), &archive));
    EXPECT_EQ(prompter.Texts().last(), "Фирмата вече работи в евро. Цените не са променени.");
    EXPECT_EQ(Price("price_1", "A"), "5.11");
    EXPECT_EQ(archives, 1);
}

TEST_F(CurrencyChangeoverTest, AnEmptyCatalogueOnlyStoresTheCurrencyAndARefusedQuestionNothing) {
    EXPECT_EQ(LoadFirmCurrency(Db()).current, Currency::BGN); // no setting: leva
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code, stock_name) VALUES('S', 'Без цена');"));
    ASSERT_TRUE(Changeover().Choose(Currency::EUR, QDate(2026, 12, 8)));
    EXPECT_EQ(archives, 0);
    EXPECT_TRUE(prompter.Texts().isEmpty()); // no question without prices
    EXPECT_EQ(LoadFirmCurrency(Db()).current, Currency::EUR);

    // A catalogue with prices: "No" changes nothing and makes no archive.
    ASSERT_TRUE(Db().Exec("DELETE FROM settings WHERE key_name LIKE 'currency%';"
                          "UPDATE stocks SET price_1 = 10;"));
    prompter.Expect(Answer::No);
    EXPECT_FALSE(Changeover().Choose(Currency::EUR, QDate(2026, 12, 8)));
    EXPECT_EQ(archives, 0);
    EXPECT_EQ(Price("price_1", "S"), "10.00");
    EXPECT_EQ(LoadFirmCurrency(Db()).current, Currency::BGN);

    // An archive that fails stops the changeover before any price changes.
    // A goods note of today is named in the question: it would read as euro.
    ASSERT_TRUE(Db().Exec("INSERT INTO stokovi_main (doc_id, doc_dt) VALUES(1, '2026-12-08');"));
    prompter.Clear();
    archiveWorks = false;
    prompter.Expect(Answer::Yes);
    EXPECT_FALSE(Changeover().Choose(Currency::EUR, QDate(2026, 12, 8)));
    EXPECT_TRUE(prompter.Texts().first().contains("Внимание: има документи с днешна или по-късна дата"));
    EXPECT_EQ(archives, 1);
    EXPECT_EQ(Price("price_1", "S"), "10.00");
    EXPECT_EQ(LoadFirmCurrency(Db()).current, Currency::BGN);
}

TEST_F(CurrencyChangeoverTest, AFailureHalfWayThroughAThousandItemsLeavesEveryPrice) {
    ASSERT_TRUE(
        Db().Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                  "INSERT INTO stocks (code, stock_name, price_1, price_2, cost_price) "
                  "SELECT 'C' || i, 'Артикул ' || i, i, i * 2, i / 2.0 FROM n;"
                  "INSERT INTO stock_prices (stock_code, partner_id, partner_price) VALUES('C1', 1, 5);"));
    const QString before =
        Scalar("SELECT SUM(price_1) || '/' || SUM(price_2) || '/' || SUM(cost_price) FROM stocks;");
    {
        FailureInjector fail(doc->GetDatabase(), SQLITE_UPDATE, "stocks", 500, "price_1");
        EXPECT_FALSE(Changeover().ConvertCatalogue(QDate(2026, 12, 8)));
        EXPECT_EQ(fail.Refused(), 1);
    }
    EXPECT_EQ(Scalar("SELECT SUM(price_1) || '/' || SUM(price_2) || '/' || SUM(cost_price) FROM stocks;"),
              before);
    EXPECT_EQ(Scalar("SELECT partner_price FROM stock_prices;"), "5");
    EXPECT_EQ(LoadFirmCurrency(Db()).current, Currency::BGN);

    // The same run without the failure converts all of them.
    prompter.Clear();
    const std::optional<int> changed = Changeover().ConvertCatalogue(QDate(2026, 12, 8));
    ASSERT_TRUE(changed);
    EXPECT_EQ(*changed, 3001);
    EXPECT_EQ(Price("price_1", "C1000"), "511.29");
    EXPECT_EQ(LoadFirmCurrency(Db()).current, Currency::EUR);
}

TEST_F(CurrencyChangeoverTest, AnotherSeatsChangeoverIsSeenUnderTheLock) {
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code, stock_name, price_1) VALUES('A', 'А', 10);"));
    // The other seat went over after this one read leva.
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("INSERT INTO settings VALUES('currency', 'EUR') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"
                                     "INSERT INTO settings VALUES('currency_changeover_dt', "
                                     "'2026-12-08') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"
                                     "UPDATE stocks SET price_1 = 5.11;")
                    .Ok());
    EXPECT_FALSE(Changeover().ConvertCatalogue(QDate(2026, 12, 8)));
    EXPECT_EQ(Price("price_1", "A"), "5.11"); // not divided twice
}

} // namespace
