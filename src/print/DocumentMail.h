#pragma once

#include "print/PrintJob.h"

#include <QString>
#include <QStringList>

class Prompter;
class SaveFileChooser;

// The name a document's PDF is sent under: what it is, its number and its
// date, for example "Фактура_0000000123_2026-12-08.pdf".
QString MailFileName(const MailDocument& document);

// The call of the desktop's mail program: the PDF attached, the subject and,
// when known, the partner's address.
QStringList XdgEmailArguments(const QString& pdf, const QString& subject, const QString& address);

// Opens the desktop's mail program with a new message; false when none
// answered.
class MailProgram {
public:
    virtual ~MailProgram() = default;
    virtual bool Compose(const QStringList& arguments) = 0;
};

// `xdg-email` of the xdg-utils, found on PATH.
class XdgEmail : public MailProgram {
public:
    bool Compose(const QStringList& arguments) override;
};

// "Изпращане по e-mail ...": writes the job's PDF under its mail name into
// `folder` and opens the mail program with it attached and the address
// filled in. When no mail program answers, says so and offers to save the
// PDF elsewhere. True when the message was opened or the PDF saved.
bool SendJobByMail(PrintJob& job, const QString& address, const QString& folder, MailProgram& mail,
                   SaveFileChooser& chooser, Prompter& prompter);
