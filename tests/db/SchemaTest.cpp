#include "db/Schema.h"

#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/SchemaVersion.h"
#include "support/DatabaseTest.h"

#include <QFile>
#include <sqlite3.h>

namespace {

using SchemaTest = DatabaseTest;

TEST_F(SchemaTest, AFreshFileHoldsTheWholeSchemaAndOnlyItsVersion) {
    if (OnServer()) {
        ResultTable tables;
        ASSERT_TRUE(Db().Query(tables, Db().Dialect().ListTables()));
        EXPECT_EQ(tables.Rows(), 42);
        EXPECT_EQ(Scalar("SELECT COUNT(*) FROM pg_indexes WHERE schemaname = current_schema() AND indexname "
                         "LIKE 'idx%';"),
                  "20");
        EXPECT_EQ(GetSchemaVersion(Db()), 14);
        return;
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table';"), "42");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'idx%';"), "20");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE type IN ('view', 'trigger');"), "0");
    EXPECT_EQ(Scalar("SELECT group_concat(key_name || '=' || key_value) FROM settings;"), "dbversion=14");
    EXPECT_EQ(GetSchemaVersion(Db()), 14);

    // Every table but settings is empty, and the columns add up to the format's.
    ResultTable tables;
    ASSERT_TRUE(Db().QueryWithRetry("SELECT name FROM sqlite_master WHERE type = 'table';", tables).Ok());
    ASSERT_EQ(tables.Rows(), 42);
    int columns = 0, notNull = 0, defaults = 0;
    for (int r = 1; r <= tables.Rows(); ++r) {
        const QString name = tables.Text(r, 0);
        if (name != "settings") {
            EXPECT_EQ(Scalar(QString("SELECT COUNT(*) FROM [%1];").arg(name).toUtf8()), "0")
                << name.toStdString();
        }
        ResultTable info;
        ASSERT_TRUE(Db().QueryWithRetry(QString("PRAGMA table_info([%1]);").arg(name).toUtf8(), info).Ok());
        columns += info.Rows();
        for (int c = 1; c <= info.Rows(); ++c) {
            notNull += info.Int(c, 3);
            defaults += info.IsNull(c, 4) ? 0 : 1;
        }
    }
    EXPECT_EQ(columns, 420);
    EXPECT_EQ(notNull, 103);
    EXPECT_EQ(defaults, 89);
}

TEST_F(SchemaTest, DefaultsAndDeclaredTypesAreThoseOfTheFormat) {
    SKIP_ON_SERVER("the file's declared types");
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks (code) VALUES('A1');"
                          "INSERT INTO production_cmp_entries (doc_id, doc_dt, owner_id, code) "
                          "VALUES(1, '2026-12-08', 1, 'A1');"
                          "INSERT INTO firmdata (firm_name, firm_name_lat) VALUES('Фирма', 'Firma');"
                          "INSERT INTO partners (partner_name) VALUES('Клиент');"));
    EXPECT_EQ(Scalar("SELECT units FROM stocks;"), "бр.");
    EXPECT_EQ(Scalar("SELECT units FROM production_cmp_entries;"), "бр..");
    EXPECT_EQ(Scalar("SELECT vat_value FROM firmdata;"), "20");
    EXPECT_EQ(Scalar("SELECT is_dirty || is_hidden || stock_group FROM stocks;"), "100");
    EXPECT_EQ(Scalar("SELECT partner_is_customer || partner_is_supplier || default_price || "
                     "'[' || partner_name_lat || ']' FROM partners;"),
              "111[]");
    EXPECT_EQ(Scalar("SELECT partner_id FROM partners;"), "1"); // the key numbers new partners
    EXPECT_EQ(Scalar("SELECT type FROM pragma_table_info('stocks') WHERE name = 'quantity';"),
              "NUMERIC (13, 3)");
    EXPECT_EQ(Scalar("SELECT type FROM pragma_table_info('supplies_main') WHERE name = 'invoice_no';"),
              "varchar (30)");
    EXPECT_EQ(Scalar("SELECT type FROM pragma_table_info('partners') WHERE name = 'partner_notes';"), "MEMO");
    EXPECT_EQ(Scalar("SELECT pk FROM pragma_table_info('units') WHERE name = 'unit';"), "1");
}

TEST_F(SchemaTest, UniqueIndexesGuardDocumentNumbers) {
    ASSERT_TRUE(Db().Exec("INSERT INTO stokovi_main (doc_id, doc_dt) VALUES(7, '2026-12-08');"));
    EXPECT_FALSE(Db().Exec("INSERT INTO stokovi_main (doc_id, doc_dt) VALUES(7, '2026-12-09');"));
    EXPECT_TRUE(prompter.Texts().last().contains(OnServer() ? "idx_stokovi_main" : "stokovi_main.doc_id"))
        << prompter.Texts().last().toStdString();

    ASSERT_TRUE(Db().Exec("INSERT INTO invoices_main (doc_id, doc_type) VALUES(7, 0);"));
    EXPECT_TRUE(Db().Exec("INSERT INTO invoices_main (doc_id, doc_type) VALUES(7, 2);"));
    EXPECT_FALSE(Db().Exec("INSERT INTO invoices_main (doc_id, doc_type) VALUES(7, 2);"));

    ASSERT_TRUE(Db().Exec("INSERT INTO proforms_main (doc_id) VALUES(3);"));
    EXPECT_FALSE(Db().Exec("INSERT INTO proforms_main (doc_id) VALUES(3);"));
    ASSERT_TRUE(Db().Exec("INSERT INTO revisions (doc_id) VALUES(3);"));
    EXPECT_FALSE(Db().Exec("INSERT INTO revisions (doc_id) VALUES(3);"));
    ASSERT_TRUE(Db().Exec("INSERT INTO supplies_main (doc_id) VALUES(3);"));
    EXPECT_FALSE(Db().Exec("INSERT INTO supplies_main (doc_id) VALUES(3);"));
}

TEST_F(SchemaTest, DatesCompareAsText) {
    ASSERT_TRUE(Db().Exec("INSERT INTO revisions (doc_id, doc_dt) VALUES(1, '2024-02-28');"
                          "INSERT INTO revisions (doc_id, doc_dt) VALUES(2, '2024-03-05');"
                          "INSERT INTO revisions (doc_id, doc_dt) VALUES(3, '2024-12-01');"));
    EXPECT_EQ(Scalar("SELECT group_concat(doc_id) FROM revisions WHERE doc_dt > '2024-02-28' AND "
                     "doc_dt < '2024-12-01';"),
              "2");
    EXPECT_EQ(Scalar("SELECT group_concat(doc_id) FROM (SELECT doc_id FROM revisions ORDER BY doc_dt DESC) AS t;"),
              "3,2,1");
}

TEST_F(SchemaTest, CreateIndexesSkipsIndexesThatExist) {
    SKIP_ON_SERVER("the file's index listing");
    EXPECT_EQ(CreateIndexes(Db()), 0);
    ASSERT_TRUE(Db().Exec("DROP INDEX IDX_stock_prices;"));
    EXPECT_EQ(CreateIndexes(Db()), 1);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'idx%';"), "20");
    EXPECT_EQ(prompter.Count(), 0);
}

// Refuses the creation of one index on every connection opened meanwhile,
// so that the creation fails at its very last statement.
int denyLastIndex(void*, int action, const char* name, const char*, const char*, const char*) {
    return action == SQLITE_CREATE_INDEX && name && QByteArray(name) == "IDX_stock_prices" ? SQLITE_DENY
                                                                                           : SQLITE_OK;
}
int installDenial(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_set_authorizer(db, denyLastIndex, nullptr);
    return SQLITE_OK;
}

TEST_F(SessionTest, ACreationThatFailsPartWayLeavesNoFileBehind) {
    const QString path = tempDir.filePath("tarvo.db");
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(installDenial));
    Connection connection;
    const bool created = CreateDatabase(path, connection, sleeper, prompter) == CreationResult::Created;
    sqlite3_reset_auto_extension();

    EXPECT_FALSE(created);
    EXPECT_EQ(connection.Handle(), nullptr);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + "-journal"));
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_EQ(prompter.Texts()[0], "not authorized");
    EXPECT_TRUE(prompter.Texts()[1].startsWith("Новата база данни не беше създадена"));
}

TEST_F(SessionTest, ACreationInADirectoryThatDoesNotExistSaysSo) {
    Connection connection;
    EXPECT_EQ(CreateDatabase(tempDir.filePath("няма/tarvo.db"), connection, sleeper, prompter),
              CreationResult::Failed);
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_EQ(prompter.Texts()[0], "Базата данни не може да бъде заредена!");
}

} // namespace
