#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The guard as two and three real processes see it.
TEST(SingleInstance, ASecondCopyIsToldAndEndsWhileTheFirstRunsOn) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("TVGlobalMutex.lock");

    QProcess first;
    first.start(TARVO_TEST_CHILD, {"hold-instance", lock});
    ASSERT_TRUE(first.waitForReadyRead(10000));
    ASSERT_EQ(first.readLine().trimmed(), "locked");

    QProcess second;
    second.start(TARVO_TEST_CHILD, {"try-instance", lock});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 3);
    EXPECT_EQ(QString::fromUtf8(second.readAllStandardError()).trimmed(),
              "Едно копие на програмата вече е стартирано. Не можете да стартирате второ.");

    // The first copy still holds its lock and ends normally.
    EXPECT_EQ(first.state(), QProcess::Running);
    QProcess third;
    third.start(TARVO_TEST_CHILD, {"try-instance", lock});
    ASSERT_TRUE(third.waitForFinished(10000));
    EXPECT_EQ(third.exitCode(), 3);
    first.write("done\n");
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitCode(), 0);

    // Once it has ended, a new copy may start.
    QProcess fourth;
    fourth.start(TARVO_TEST_CHILD, {"try-instance", lock});
    ASSERT_TRUE(fourth.waitForFinished(10000));
    EXPECT_EQ(fourth.exitCode(), 0);
}

TEST(SingleInstance, TheLockOfACrashedCopyIsTakenOver) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("TVGlobalMutex.lock");
    QProcess crashed;
    crashed.start(TARVO_TEST_CHILD, {"hold-instance", lock});
    ASSERT_TRUE(crashed.waitForReadyRead(10000));
    crashed.kill();
    ASSERT_TRUE(crashed.waitForFinished(10000));

    QProcess next;
    next.start(TARVO_TEST_CHILD, {"try-instance", lock});
    ASSERT_TRUE(next.waitForFinished(10000));
    EXPECT_EQ(next.exitCode(), 0);
}

} // namespace
