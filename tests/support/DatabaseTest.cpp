#include "support/DatabaseTest.h"

#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/FirmLocation.h"
#include "support/TestServer.h"

#include <QDir>

void DatabaseTest::SetUp() {
    ASSERT_TRUE(tempDir.isValid());
    settings = std::make_unique<LocalSettings>(tempDir.filePath("settings.ini"));
    if (TestServer::Wanted()) {
        QString why;
        firmLocation = TestServer::NewDatabase(&why);
        if (firmLocation.isEmpty())
            GTEST_SKIP() << why.toStdString();
    } else {
        Connection creation;
        ASSERT_EQ(CreateDatabase(tempDir.filePath("tarvo.db"), creation, sleeper, prompter),
                  CreationResult::Created);
        firmLocation = tempDir.path();
    }
    doc = std::make_unique<CTarvoDoc>(SessionServices{prompter, processExit, sleeper, *settings, chooser},
                                      firmLocation);
    ASSERT_NE(doc->GetDatabase(), nullptr);
    ASSERT_EQ(prompter.Count(), 0);
    // No box may wait for the user while this seat holds the file locked.
    prompter.guard = [this](const QString& text) {
        if (doc && doc->IsOpen() && doc->Db().InTransaction())
            ADD_FAILURE() << "a box was shown inside a transaction: " << text.toStdString();
    };
}

void DatabaseTest::TearDown() {
    doc.reset();
    if (OnServer())
        TestServer::DropDatabase(firmLocation);
}

bool DatabaseTest::OnServer() const {
    return IsServerLocation(firmLocation);
}

QString DatabaseTest::DatabaseName() const {
    return OnServer() ? firmLocation : tempDir.filePath("tarvo.db");
}

std::unique_ptr<Connection> DatabaseTest::OpenSecondConnection() {
    auto connection = std::make_unique<Connection>();
    EXPECT_TRUE(connection->Open(DatabaseName(), false).Ok());
    return connection;
}

QString DatabaseTest::Scalar(const QByteArray& sql) {
    auto connection = OpenSecondConnection();
    ResultTable table;
    const DbResult result = connection->Query(sql, table);
    EXPECT_TRUE(result.Ok()) << sql.constData() << ": " << result.error.constData();
    return table.Empty() ? QString() : table.Text(1, 0, "NULL");
}

void SessionTest::SetUp() {
    ASSERT_TRUE(tempDir.isValid());
    settings = std::make_unique<LocalSettings>(tempDir.filePath("settings.ini"));
}

std::unique_ptr<CTarvoDoc> SessionTest::MakeDoc(const QString& directory) {
    return std::make_unique<CTarvoDoc>(SessionServices{prompter, processExit, sleeper, *settings, chooser},
                                       directory);
}
