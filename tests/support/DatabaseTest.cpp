#include "support/DatabaseTest.h"

#include "db/Connection.h"
#include "db/DatabaseCreator.h"

#include <QDir>

void DatabaseTest::SetUp() {
    ASSERT_TRUE(tempDir.isValid());
    settings = std::make_unique<LocalSettings>(tempDir.filePath("settings.ini"));
    {
        Connection creation;
        ASSERT_EQ(CreateDatabase(tempDir.filePath("tarvo.db"), creation, sleeper, prompter),
                  CreationResult::Created);
    }
    doc = std::make_unique<CTarvoDoc>(SessionServices{prompter, processExit, sleeper, *settings, chooser},
                                      tempDir.path());
    ASSERT_NE(doc->GetDatabase(), nullptr);
    ASSERT_EQ(prompter.Count(), 0);
    // No box may wait for the user while this seat holds the file locked.
    prompter.guard = [this](const QString& text) {
        if (doc && doc->IsOpen() && doc->Db().InTransaction())
            ADD_FAILURE() << "a box was shown inside a transaction: " << text.toStdString();
    };
}

std::unique_ptr<Connection> DatabaseTest::OpenSecondConnection() {
    auto connection = std::make_unique<Connection>();
    EXPECT_TRUE(connection->Open(tempDir.filePath("tarvo.db"), false).Ok());
    return connection;
}

QString DatabaseTest::Scalar(const QByteArray& sql) {
    auto connection = OpenSecondConnection();
    ResultTable table;
    EXPECT_TRUE(connection->Query(sql, table).Ok()) << sql.constData();
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
