// "Изпращане по e-mail ...": the PDF under its document's name, the call of
// xdg-email as a fake on PATH records it, and the way out when no mail
// program answers.
#include "print/DocumentMail.h"

#include "base/SaveFileChooser.h"
#include "print/SaleDocumentJob.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedChoosers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Puts a fake xdg-email first on PATH that records its arguments, one a
// line, and ends with `status`; the old PATH comes back at the end.
class FakeXdgEmail {
public:
    FakeXdgEmail(const QTemporaryDir& dir, int status)
        : m_log(dir.filePath("args.txt")), m_path(qgetenv("PATH")) {
        const QString script = dir.filePath("xdg-email");
        QFile file(script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\nexit %2\n")
                       .arg(m_log)
                       .arg(status)
                       .toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dir.path().toUtf8() + ":" + m_path);
    }
    ~FakeXdgEmail() { qputenv("PATH", m_path); }
    QStringList Arguments() const {
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QString m_log;
    QByteArray m_path;
};

SalePrintout invoice() {
    SalePrintout p;
    p.op = SaleOp::InvoiceWithNote;
    p.numberText = "0000000123";
    p.header.docDate = QDate(2026, 12, 8);
    p.header.partnerId = 4;
    p.customer = {"Алфа ООД", "Варна", "ул. Първа 1", "Иван", "123", "BG123"};
    p.firm.name = "Тарво ООД";
    p.total = "12.00";
    p.words = "дванадесет евро";
    return p;
}

TEST(DocumentMail, ThePdfGoesToTheMailProgramUnderItsName) {
    QTemporaryDir dir;
    SaleDocumentJob job(invoice(), {});
    ASSERT_TRUE(job.Mail());
    EXPECT_EQ(job.Mail()->partnerId, 4);
    EXPECT_EQ(MailFileName(*job.Mail()), "Фактура_0000000123_2026-12-08.pdf");

    FakeXdgEmail fake(dir, 0);
    XdgEmail program;
    ScriptedSaveFile chooser;
    ScriptedPrompter prompter;
    const QString folder = dir.filePath("поща");
    ASSERT_TRUE(SendJobByMail(job, " alfa@example.bg ", folder, program, chooser, prompter));
    const QString pdf = folder + "/Фактура_0000000123_2026-12-08.pdf";
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(fake.Arguments(), QStringList({"--utf8", "--subject", "Фактура № 0000000123 от 08.12.2026",
                                             "--attach", pdf, "alfa@example.bg"}));
    EXPECT_TRUE(prompter.Texts().isEmpty());

    // No address known: the mail program asks for it.
    EXPECT_EQ(XdgEmailArguments(pdf, "тема", "").size(), 5);
}

TEST(DocumentMail, WithoutAMailProgramThePdfCanBeSavedInstead) {
    QTemporaryDir dir;
    SaleDocumentJob job(invoice(), {});
    FakeXdgEmail fake(dir, 3); // xdg-email: no mail program set up
    XdgEmail program;
    ScriptedSaveFile chooser;
    chooser.path = dir.filePath("запазена.pdf");
    ScriptedPrompter prompter;
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(SendJobByMail(job, "", dir.filePath("поща"), program, chooser, prompter));
    EXPECT_TRUE(prompter.Texts().first().startsWith("Няма програма за електронна поща"));
    EXPECT_EQ(chooser.suggestions, QStringList({"Фактура_0000000123_2026-12-08.pdf"}));
    EXPECT_TRUE(QFile::exists(chooser.path));

    // "No" keeps nothing else.
    prompter.Expect(Answer::No);
    chooser.path = dir.filePath("втора.pdf");
    EXPECT_FALSE(SendJobByMail(job, "", dir.filePath("поща"), program, chooser, prompter));
    EXPECT_FALSE(QFile::exists(chooser.path));
}

} // namespace
