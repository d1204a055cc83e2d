// Two clerks save a delivery under the same number at the same moment: one
// keeps the number, the other is asked and takes the next, and the stock
// holds both.
#include "support/ChildSeat.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

namespace {

class TwoSeatsDeliveryTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db(), FirmRow::Short));
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"
                              "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, "
                              "partner_name, partner_mol) VALUES(1, 0, 1, 'Алфа', 'Иван');"));
        ASSERT_TRUE(
            AddStocks(Db(), {StockRow("G1", "Кабел").Unit("м").Quantity(10).Cost(2).Prices(2, 2).Last(2)}));
        doc.reset();
    }
    QString Path() const { return DatabaseName(); }
};

TEST_F(TwoSeatsDeliveryTest, OneNumberTwiceGivesTheSecondTheNextNumber) {
    ChildSeat a, b;
    const auto statuses =
        RaceTwo(a, b, {"deliver", Path(), "1", "G1", "10", "3"}, {"deliver", Path(), "1", "G1", "20", "3"});
    ASSERT_EQ(statuses, std::make_pair(0, 0)) << a.Errors().toStdString() << b.Errors().toStdString();
    EXPECT_EQ(QStringList({a.Output().trimmed(), b.Output().trimmed()}).join(",").count("saved 1"), 1);
    EXPECT_EQ(QStringList({a.Output().trimmed(), b.Output().trimmed()}).join(",").count("saved 2"), 1);
    // The question was asked by exactly one seat.
    EXPECT_EQ((a.Errors() + b.Errors()).count("вече има документ с този номер"), 1);
    EXPECT_EQ(
        Scalar("SELECT group_concat(doc_id) FROM (SELECT doc_id FROM supplies_main ORDER BY doc_id) AS t;"),
        "1,2");
    // 10 at 2.00 + 10 at 3.00 + 20 at 3.00 whichever comes first: 40 at 2.75.
    EXPECT_EQ(Scalar("SELECT quantity || '|' || ROUND(cost_price, 2) FROM stocks WHERE code = 'G1';"),
              "40|2.75");
}

TEST_F(TwoSeatsDeliveryTest, FourSeatsOnOneNumberTakeFourNumbers) {
    std::array<ChildSeat, 4> seats;
    std::vector<QStringList> commands;
    for (int i = 1; i <= 4; ++i)
        commands.push_back({"deliver", Path(), "1", "G1", "10", QString::number(i + 1)});
    EXPECT_EQ(RaceFour(seats, commands), std::vector<int>(4, 0));
    QString outputs;
    for (const ChildSeat& seat : seats)
        outputs += seat.Output();
    for (int number = 1; number <= 4; ++number)
        EXPECT_EQ(outputs.count(QString("saved %1").arg(number)), 1) << outputs.toStdString();
    EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT doc_id) || '|' || MAX(doc_id) FROM supplies_main;"), "4|4");
    // 10 at 2.00 and 10 at each of 2.00 to 5.00: 50 at 3.20.
    EXPECT_EQ(Scalar("SELECT quantity || '|' || ROUND(cost_price, 2) FROM stocks WHERE code = 'G1';"),
              "50|3.2");
}

} // namespace
