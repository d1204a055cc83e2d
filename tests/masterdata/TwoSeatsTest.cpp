// Two copies of the program on one file race for the same checks, name after
// name: the name of a new partner, the code of a new item, an item deleted
// while the other seat puts it into a recipe. Exactly one wins each time, and
// the file stays consistent.
#include "support/ChildSeat.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

namespace {

class TwoSeatsTest : public DatabaseTest {
protected:
    QString DbPath() const { return DatabaseName(); }
    void Exec(const QByteArray& sql) {
        auto connection = OpenSecondConnection();
        ASSERT_TRUE(connection->Exec(sql).Ok()) << sql.constData();
    }
    // Starts both children, lets them go at once and gives how many saves
    // each won.
    std::pair<int, int> Race(const QStringList& first, const QStringList& second) {
        doc.reset(); // this process keeps no connection open while the children race
        ChildSeat a, b;
        const auto statuses = RaceTwo(a, b, first, second);
        EXPECT_EQ(statuses.first, 0) << a.Errors().toStdString();
        EXPECT_EQ(statuses.second, 0) << b.Errors().toStdString();
        return {a.Won(), b.Won()};
    }
    static constexpr int kNames = 40;
    const QString kCount = QString::number(kNames);
    const QString kBackwards = QString::number(-kNames);
};

TEST_F(TwoSeatsTest, EachPartnerNameIsCreatedOnce) {
    const auto won = Race({"create-partners", DbPath(), "Фирма", kCount},
                          {"create-partners", DbPath(), "ФИРМА", kBackwards});
    EXPECT_EQ(won.first + won.second, kNames);
    for (int i = 0; i < kNames; ++i)
        EXPECT_EQ(
            Scalar(QString("SELECT COUNT(*) FROM partners WHERE partner_name IN ('Фирма %1', 'ФИРМА %1');")
                       .arg(i)
                       .toUtf8()),
            "1")
            << i;
    // The ids are distinct and dense.
    EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT partner_id) || '/' || MAX(partner_id) FROM partners;"),
              QString("%1/%1").arg(kNames));
}

TEST_F(TwoSeatsTest, EachItemCodeIsCreatedOnce) {
    Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);");
    const auto won =
        Race({"create-items", DbPath(), "K", kCount}, {"create-items", DbPath(), "K", kBackwards});
    EXPECT_EQ(won.first + won.second, kNames);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks;"), kCount);
    EXPECT_EQ(Scalar("SELECT group_concat(unit) FROM units;"), "бр.");
}

TEST_F(TwoSeatsTest, AnItemIsEitherDeletedOrPutIntoTheRecipe) {
    Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"
         "INSERT INTO stocks_cmp VALUES('R', 'Y', 1, 0);");
    ASSERT_TRUE(AddStocks(
        Db(), {StockRow("Y", "Лепило").Cost(1).Material(), StockRow("R", "Изделие").Cost(1).Recipe()}));
    for (int i = 0; i < kNames; ++i)
        ASSERT_TRUE(AddStocks(Db(), {StockRow(QString("X%1").arg(i), "Винт").Cost(1).Material()}));
    const auto won =
        Race({"delete-items", DbPath(), "X", kCount}, {"add-components", DbPath(), "R", "X", kBackwards});
    EXPECT_EQ(won.first + won.second, kNames);
    // Every X is either gone or in the recipe, never both and never neither.
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks WHERE code LIKE 'X%';"), QString::number(won.second));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp WHERE owner_code = 'R' AND code LIKE 'X%';"),
              QString::number(won.second));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp WHERE owner_code = 'R' AND code = 'Y';"), "1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM stocks_cmp AS c LEFT JOIN stocks AS s ON s.code = c.code "
                     "WHERE s.code IS NULL;"),
              "0");
}

} // namespace
