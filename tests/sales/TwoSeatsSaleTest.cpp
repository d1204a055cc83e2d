// Two clerks on one file save at the same moment: the same goods-note
// number, or the last units of an item. One wins; the other is refused and
// writes nothing.
#include "support/ChildSeat.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

namespace {

class TwoSeatsSaleTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db(), FirmRow::Short));
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_name) VALUES(1, 1, 'Алфа');"));
        ASSERT_TRUE(
            AddStocks(Db(), {StockRow("G1", "Кабел").Unit("м").Quantity(5).Cost(1).Prices(2, 2).Last(1)}));
        doc.reset();
    }
    std::pair<int, int> Race(const QStringList& first, const QStringList& second) {
        ChildSeat a, b;
        return RaceTwo(a, b, first, second);
    }
    QString Path() const { return DatabaseName(); }
};

TEST_F(TwoSeatsSaleTest, OneNumberIsSavedOnce) {
    for (int round = 0; round < 5; ++round) {
        const QString number = QString::number(10 + round);
        const auto statuses =
            Race({"sell", Path(), number, "G1", "0.5"}, {"sell", Path(), number, "G1", "0.5"});
        EXPECT_EQ(statuses.first + statuses.second, 1) << round;
        EXPECT_EQ(
            Scalar(QString("SELECT COUNT(*) || '|' || SUM(total_sum) FROM stokovi_main WHERE doc_id = %1;")
                       .arg(number)
                       .toUtf8()),
            "1|1.2")
            << round;
    }
    EXPECT_EQ(Scalar("SELECT quantity FROM stocks WHERE code = 'G1';"), "2.5");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_items;"), "5");
}

TEST_F(TwoSeatsSaleTest, TheLastUnitsAreSoldOnce) {
    const auto statuses = Race({"sell", Path(), "1", "G1", "3"}, {"sell", Path(), "2", "G1", "3"});
    EXPECT_EQ(statuses.first + statuses.second, 1);
    EXPECT_EQ(Scalar("SELECT quantity FROM stocks WHERE code = 'G1';"), "2");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stokovi_main;"), "1");
}

TEST_F(TwoSeatsSaleTest, FourSeatsSellTheLastUnitsTwiceAndNoMore) {
    std::array<ChildSeat, 4> seats;
    const std::vector<int> statuses = RaceFour(seats, {{"sell", Path(), "1", "G1", "2"},
                                                       {"sell", Path(), "2", "G1", "2"},
                                                       {"sell", Path(), "3", "G1", "2"},
                                                       {"sell", Path(), "4", "G1", "2"}});
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 0), 2);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 1), 2);
    EXPECT_EQ(Scalar("SELECT quantity FROM stocks WHERE code = 'G1';"), "1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) || '|' || SUM(total_sum) FROM stokovi_main;"), "2|9.6");
}

} // namespace
