// Two seats find no database at the same moment and both create one (two
// computers answering Yes, or two `tarvo init` runs): one database results,
// and nothing either seat wrote into it is lost.
#include "support/ChildSeat.h"
#include "support/DatabaseTest.h"

#include <QDir>

namespace {

using TwoSeatsCreateTest = SessionTest;

TEST_F(TwoSeatsCreateTest, BothSeatsWriteIntoTheOneDatabase) {
    for (int round = 0; round < 15; ++round) {
        const QString dir = tempDir.filePath(QString::number(round));
        ASSERT_TRUE(QDir().mkpath(dir));
        ChildSeat a, b;
        const auto statuses =
            RaceTwo(a, b, {"create-and-write", dir, "Алфа"}, {"create-and-write", dir, "Бета"});
        ASSERT_EQ(statuses.first, 0) << a.Errors().toStdString();
        ASSERT_EQ(statuses.second, 0) << b.Errors().toStdString();
        Connection connection;
        ASSERT_TRUE(connection.Open(QDir(dir).filePath("tarvo.db"), false).Ok());
        ResultTable names;
        ASSERT_TRUE(
            connection.Query("SELECT group_concat(partner_name) FROM (SELECT partner_name FROM partners "
                                  "ORDER BY partner_name) AS t;",
                                  names)
                .Ok());
        EXPECT_EQ(names.Text(1, 0), "Алфа,Бета") << "round " << round;
        EXPECT_EQ(QDir(dir).entryList({"*.db*", ".tarvo*"}, QDir::Files | QDir::Hidden),
                  QStringList{"tarvo.db"})
            << "round " << round;
    }
}

TEST_F(TwoSeatsCreateTest, OfTwoInitRunsOneCreatesAndTheOtherRefuses) {
    for (int round = 0; round < 15; ++round) {
        const QString dir = tempDir.filePath(QString::number(round));
        ASSERT_TRUE(QDir().mkpath(dir));
        ChildSeat a, b;
        const auto [first, second] = RaceTwo(a, b, {"init", dir}, {"init", dir});
        EXPECT_EQ(first + second, 1) << "round " << round;
        EXPECT_TRUE((first == 1 ? a : b).Errors().contains("вече има база данни")) << "round " << round;
        Connection connection;
        ASSERT_TRUE(connection.Open(QDir(dir).filePath("tarvo.db"), false).Ok());
        ResultTable version;
        ASSERT_TRUE(
            connection.Query("SELECT key_value FROM settings;", version).Ok());
        EXPECT_EQ(version.Int(1, 0), 14);
    }
}

} // namespace
