#include "print/DocumentMail.h"

#include "base/Prompter.h"
#include "base/SaveFileChooser.h"
#include "format/SqlDates.h"

#include <QDir>
#include <QFile>
#include <QProcess>

QString MailFileName(const MailDocument& document) {
    QString kind = document.kind;
    kind.replace(' ', '_');
    return QString("%1_%2_%3.pdf").arg(kind, document.number, DateToSql(document.date));
}

QStringList XdgEmailArguments(const QString& pdf, const QString& subject, const QString& address) {
    QStringList arguments{"--utf8", "--subject", subject, "--attach", pdf};
    if (!address.trimmed().isEmpty())
        arguments << address.trimmed();
    return arguments;
}

bool XdgEmail::Compose(const QStringList& arguments) {
    // 0: the mail program took the message; 3 or 4: none is set up; -2: no
    // xdg-email at all.
    return QProcess::execute("xdg-email", arguments) == 0;
}

bool SendJobByMail(PrintJob& job, const QString& address, const QString& folder, MailProgram& mail,
                   SaveFileChooser& chooser, Prompter& prompter) {
    const std::optional<MailDocument> document = job.Mail();
    if (!document)
        return false;
    const QString name = MailFileName(*document);
    const QString pdf = QDir(folder).filePath(name);
    if (!QDir().mkpath(folder) || !WriteJobToPdf(job, pdf)) {
        prompter.Message(QString("Файлът %1 не може да бъде записан.").arg(pdf), MessageIcon::Stop);
        return false;
    }
    const QString subject =
        QString("%1 № %2 от %3").arg(document->kind, document->number, DisplayDate(document->date));
    if (mail.Compose(XdgEmailArguments(pdf, subject, address)))
        return true;
    if (prompter.AskYesNo("Няма програма за електронна поща, която да отвори съобщението.\nДа запиша ли "
                          "документа като PDF файл, за да го изпратите сами?",
                          MessageIcon::Question) != Answer::Yes)
        return false;
    const QString target = chooser.ChooseSaveFile("Запис като PDF", name, "PDF файлове (*.pdf)");
    if (target.isEmpty())
        return false;
    QFile::remove(target);
    if (!QFile::copy(pdf, target)) {
        prompter.Message(QString("Файлът %1 не може да бъде записан.").arg(target), MessageIcon::Stop);
        return false;
    }
    return true;
}
