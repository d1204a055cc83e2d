#include "db/ReportDbError.h"

#include "base/Prompter.h"
#include "db/DbMessages.h"

QString DbErrorText(const DbResult& result) {
    if (result.code == DbCode::kNoDatabase)
        return QString();
    switch (result.code & 0xff) { // an extended code tells its primary one in its low byte
    case DbCode::kBusy:
        return DbMessages::kBusy;
    case DbCode::kCorrupt:
        return DbMessages::kCorrupt;
    case DbCode::kCantOpen:
        return DbMessages::kCantOpen;
    case DbCode::kReadOnly:
        return DbMessages::kReadOnly;
    case DbCode::kFull:
        return DbMessages::kFull;
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
