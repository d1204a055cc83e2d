#include "db/ReportDbError.h"

#include "base/Prompter.h"
#include "db/DbMessages.h"

QString DbErrorText(const DbResult& result) {
    switch (result.code) {
    case DbCode::kNoDatabase:
        return QString();
    case DbCode::kBusy:
        return DbMessages::kBusy;
    case DbCode::kCorrupt:
        return DbMessages::kCorrupt;
    case DbCode::kCantOpen:
        return DbMessages::kCantOpen;
    default:
        return QString::fromUtf8(result.error);
    }
}

void ReportDbError(Prompter& prompter, DbResult& result) {
    const QString text = DbErrorText(result);
    if (!text.isEmpty())
        prompter.Message(text, MessageIcon::None);
    result.code = DbCode::kOk;
    result.error = QByteArray();
}
