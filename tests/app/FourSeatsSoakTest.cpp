// Four seats of a shop save goods notes, deliveries and production at once
// for a while (TARVO_SOAK_SECONDS, 3 by default; a minute by hand): every
// saved document is there once, with its lines, and the stock adds up.
#include "support/ChildSeat.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

namespace {

using FourSeatsSoakTest = DatabaseTest;

// The figure after `word` in a seat's summary line.
int counted(const QString& output, const QString& word) {
    return output.section(word + " ", 1).section(' ', 0, 0).toInt();
}

TEST_F(FourSeatsSoakTest, NothingIsLostOrSavedTwice) {
    ASSERT_TRUE(AddFirmData(Db(), FirmRow::Short));
    ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"
                          "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, "
                          "partner_name, partner_mol) VALUES(1, 1, 1, 'Алфа', 'Иван');"
                          "INSERT INTO stocks_cmp VALUES('P1', 'M1', 1, 0);"));
    ASSERT_TRUE(AddStocks(Db(), {StockRow("G1", "Кабел").Quantity(100000).Cost(2).Prices(3, 3).Last(2),
                                 StockRow("M1", "Мед").Quantity(100000).Cost(1).Last(1).Material(),
                                 StockRow("P1", "Макара").Prices(5, 5).Recipe().Dirty()}));
    doc.reset();
    const QString seconds = qEnvironmentVariable("TARVO_SOAK_SECONDS", "3");
    std::array<ChildSeat, 4> seats;
    const QStringList soak{"soak", DatabaseName(), seconds};
    EXPECT_EQ(RaceFour(seats, {soak, soak, soak, soak}), std::vector<int>(4, 0));
    int sold = 0, delivered = 0, produced = 0;
    for (const ChildSeat& seat : seats) {
        sold += counted(seat.Output(), "sold");
        delivered += counted(seat.Output(), "delivered");
        produced += counted(seat.Output(), "produced");
    }
    EXPECT_TRUE(sold > 0 && delivered > 0 && produced > 0);
    const auto count = [&](const char* sql) { return Scalar(sql).toInt(); };
    EXPECT_EQ(count("SELECT COUNT(DISTINCT doc_id) FROM stokovi_main;"), sold);
    EXPECT_EQ(count("SELECT COUNT(*) FROM stokovi_items;"), sold);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT doc_id) FROM supplies_main;"), delivered);
    EXPECT_EQ(count("SELECT COUNT(*) FROM supplies_items;"), delivered);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT doc_id) FROM production;"), produced);
    EXPECT_EQ(count("SELECT COUNT(*) FROM production_cmp;"), produced);
    EXPECT_EQ(count("SELECT CAST(ROUND(quantity) AS INTEGER) FROM stocks WHERE code = 'G1';"),
              100000 - sold + delivered);
    EXPECT_EQ(count("SELECT CAST(ROUND(quantity) AS INTEGER) FROM stocks WHERE code = 'M1';"),
              100000 - produced);
    EXPECT_EQ(count("SELECT CAST(ROUND(quantity) AS INTEGER) FROM stocks WHERE code = 'P1';"), produced);
    std::printf("soak: %d goods notes, %d deliveries, %d productions in %s s\n", sold, delivered, produced,
                qPrintable(seconds));
}

} // namespace
