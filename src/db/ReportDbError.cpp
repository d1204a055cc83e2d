#include "db/ReportDbError.h"

#include "base/Prompter.h"
#include "db/DbMessages.h"

void ReportDbError(Prompter& prompter, DbResult& result) {
    switch (result.code) {
    case DbCode::kOk:
        if (!result.error.isNull())
            prompter.Message(QString::fromUtf8(result.error), MessageIcon::None);
        break;
    case DbCode::kNoDatabase:
        break; // the user has been told while the connection was sought
    case DbCode::kBusy:
        prompter.Message(DbMessages::kBusy, MessageIcon::None);
        break;
    case DbCode::kCorrupt:
        prompter.Message(DbMessages::kCorrupt, MessageIcon::None);
        break;
    case DbCode::kCantOpen:
        prompter.Message(DbMessages::kCantOpen, MessageIcon::None);
        break;
    default:
        prompter.Message(QString::fromUtf8(result.error), MessageIcon::None);
        break;
    }
    result.code = DbCode::kOk;
    result.error = QByteArray();
}

