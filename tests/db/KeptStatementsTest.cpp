#include "db/WriteTransaction.h"
#include "support/DatabaseTest.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace {

// Statements the program's stores must keep sending, as the engine receives
// them, each with the text the source holds (a composed statement keeps its
// pattern). Each must stay in the source and run on a fresh file.
struct KeptStatement {
    const char* sent;
    const char* inSource;
};

const KeptStatement kKept[] = {
    {"SELECT key_value FROM settings WHERE key_name = ?;", nullptr},
    {"SELECT key_value FROM gk_settings WHERE key_name = ?;", nullptr},
    {"DELETE FROM requests_main WHERE doc_id = ?;", "DELETE FROM %s WHERE doc_id = ?;"},
    {"DELETE FROM supplies_items WHERE doc_id = ?;", "DELETE FROM %s WHERE doc_id = ?;"},
    {"SELECT item_code, quantity FROM supplies_items WHERE doc_id = ?;", nullptr},
    {"SELECT code, quantity FROM soldmat WHERE doc_id = ?;", nullptr},
    {"DELETE FROM cash_register WHERE based_on_doc_id = ? AND op_type = ? AND based_on_doc_id != '0';", nullptr},
    {"UPDATE stokovi_main SET invoiced = '0', invoice_id = '0' WHERE invoice_id = ?;", nullptr},
    {"UPDATE stokovi_items SET invoiced = '0', invoice_id = '0' WHERE invoice_id = ?;", nullptr},
    {"SELECT code, ROUND(SUM(quantity), 3) AS quantity FROM production_cmp_entries WHERE doc_id = ? GROUP BY code;",
     nullptr},
    {"UPDATE stocks SET is_dirty = '1' WHERE is_recipe = '1';", nullptr},
    {"UPDATE stocks SET quantity = ROUND((quantity + ?), 3) WHERE code = ?;", nullptr},
    {"SELECT COALESCE(MAX(doc_id), 0) + 1 AS next_number FROM offers WHERE doc_id > 0;",
     "SELECT COALESCE(MAX(doc_id), 0) + 1 AS next_number FROM %s WHERE doc_id > 0;"},
    {"INSERT INTO settings (key_name, key_value) VALUES(?, ?) ON CONFLICT (key_name) DO UPDATE SET key_value = "
     "excluded.key_value;",
     nullptr},
};

// Every source file with its adjacent string literals joined, as the
// compiler joins them.
QString joinedSources() {
    QString all;
    QDirIterator it(TARVO_SOURCE_DIR, {"*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            all += QString::fromUtf8(file.readAll());
    }
    return all.replace(QRegularExpression("\"\\s*\\n\\s*\""), QString());
}

using KeptStatementsTest = DatabaseTest;

TEST_F(KeptStatementsTest, EachStaysInTheSourceAndRunsOnAFreshFile) {
    const QString sources = joinedSources();
    for (const KeptStatement& kept : kKept) {
        EXPECT_TRUE(sources.contains(QString::fromUtf8(kept.inSource ? kept.inSource : kept.sent))) << kept.sent;
        const QByteArray text(kept.sent);
        std::vector<SqlValue> values(static_cast<size_t>(text.count('?')), SqlValue(0LL));
        WriteTransaction t(Db());
        ASSERT_TRUE(t.Begin());
        EXPECT_TRUE(t.Exec(SqlStatement(text, values))) << kept.sent;
        t.Rollback();
    }
    EXPECT_EQ(prompter.Count(), 0);
}

} // namespace
