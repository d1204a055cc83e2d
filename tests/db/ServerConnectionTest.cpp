// What a seat is told when a server will not give it the firm: each reason
// its own message, and never the password that was tried.
#include "db/Connection.h"
#include "db/ReportDbError.h"
#include "support/DatabaseTest.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

using ServerConnectionTest = DatabaseTest;

TEST_F(ServerConnectionTest, EachRefusalHasItsOwnMessageWithoutThePassword) {
    if (!OnServer())
        GTEST_SKIP() << "a server's answers";
    const QString socket = QUrlQuery(QUrl(Location())).queryItemValue("host");
    const struct {
        QString location;
        int code;
        const char* shown;
    } cases[] = {
        {"postgresql:///nosuch?host=" + socket + "&user=tarvo&password=secret", DbCode::kServerNoDatabase,
         "На сървъра няма база данни nosuch."},
        {"postgresql:///postgres?host=" + socket + "&user=nobody&password=secret", DbCode::kServerPassword,
         "не прие потребителя"},
        {"postgresql:///postgres?host=/nonexistent&user=tarvo&password=secret", DbCode::kServerUnreachable,
         "не може да бъде достигнат"},
    };
    for (const auto& c : cases) {
        Connection connection;
        const DbResult result = connection.Open(c.location, false);
        EXPECT_EQ(result.code, c.code) << c.location.toStdString();
        EXPECT_TRUE(DbErrorText(result).contains(c.shown)) << DbErrorText(result).toStdString();
        EXPECT_FALSE(DbErrorText(result).contains("secret"));
    }
}

} // namespace
