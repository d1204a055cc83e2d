// Every kind of stored document as its one description has it: listed by
// "избор на документ", printed by `tarvo pdf`, deleted one by one where the
// menu offers it, and found no more afterwards.
#include "trade/DocumentKinds.h"

#include "app/DocumentDeletion.h"
#include "db/Connection.h"
#include "genfirm/GeneratedFirm.h"
#include "support/DatabaseTest.h"
#include "trade/DocumentBrowser.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <set>

namespace {

class DocumentKindsTest : public DatabaseTest {
protected:
    // The firm's first document of the kind.
    int First(DocumentKind kind) {
        const DocumentKindInfo& info = DocumentKinds::Of(kind);
        const QByteArray typed = info.docType ? " WHERE doc_type = " + QByteArray::number(*info.docType) : "";
        return Scalar("SELECT MIN(doc_id) FROM " + QByteArray(info.numbers) + typed + ";").toInt();
    }
    int Pdf(const char* name, int number, const QString& file) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", tempDir.filePath("config"));
        process.setProcessEnvironment(environment);
        process.start(TARVO_EXECUTABLE, {"pdf", name, QString::number(number), file, Location()});
        EXPECT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitCode(), 0) << name << ": " << process.readAllStandardError().toStdString();
        return process.exitCode();
    }
};

TEST_F(DocumentKindsTest, EveryKindIsListedPrintedAndDeletedAsDescribed) {
    ASSERT_TRUE(GenerateFirm(*OpenSecondConnection(), 0.01));
    // The kinds the generated firm does not make.
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO proforms_main (doc_id, doc_dt, partner_id, pay_by, discount, all_sum, total_sum, "
        "invoiced, "
        "invoice_id) VALUES(3, '2025-03-04', 1, 0, 0, 10, 12, 0, 0);"
        "INSERT INTO proforms_partners (doc_id, doc_dt, partner_name) VALUES(3, '2025-03-04', 'Клиент');"
        "INSERT INTO requests_main (doc_id, doc_dt, partner_id, partner_name, completed) "
        "VALUES(4, '2025-03-05', 1, 'Доставчик', 0);"
        "INSERT INTO offers (doc_id, doc_dt, to_person, vat_used, discount) VALUES(5, '2025-03-06', 'Иван', "
        "1, 0);"
        "INSERT INTO gk_main (doc_id, doc_dt, customer_id, customer_name, received_by) "
        "VALUES(6, '2025-03-07', 1, 'Клиент', 'Петър');"));
    const std::set<DocumentKind> deletedOneByOne = {
        DocumentKind::Requests,    DocumentKind::Deliveries,    DocumentKind::Production,
        DocumentKind::GoodsNotes,  DocumentKind::Invoices,      DocumentKind::DebitNotes,
        DocumentKind::CreditNotes, DocumentKind::WarrantyCards, DocumentKind::Offers};
    int named = 0;
    for (const DocumentKindInfo& info : DocumentKinds::All()) {
        if (!info.name)
            continue;
        ++named;
        const int number = First(info.kind);
        ASSERT_GT(number, 0) << info.name;
        ASSERT_TRUE(DocumentKinds::Exists(Db(), info.kind, number)) << info.name;
        EXPECT_FALSE(DocumentKinds::Exists(Db(), info.kind, 999999)) << info.name;

        DocumentBrowser browser(Db(), info.kind, 0);
        ASSERT_TRUE(browser.Reload()) << info.name;
        EXPECT_TRUE(std::any_of(browser.Rows().begin(), browser.Rows().end(),
                                [&](const DocumentBrowser::Row& row) { return row.number == number; }))
            << info.name;
        EXPECT_EQ(browser.ShownColumns().size(), info.columns.size()) << info.name;

        const QString file = tempDir.filePath(QString(info.name) + ".pdf");
        EXPECT_EQ(Pdf(info.name, number, file), 0) << info.name;
        EXPECT_GT(QFileInfo(file).size(), 1000) << info.name;

        const bool deletes = deletedOneByOne.count(info.kind) > 0;
        EXPECT_EQ(DocumentDeletion(Db(), prompter).Delete(info.kind, number), deletes) << info.name;
        EXPECT_EQ(DocumentKinds::Exists(Db(), info.kind, number), !deletes) << info.name;
    }
    EXPECT_EQ(named, DocumentKinds::Names().size());
}

} // namespace
