#include "db/ReportDbError.h"

#include "base/Prompter.h"
#include "db/DbMessages.h"
#include "db/PgConnection.h"

QString DbErrorText(const DbResult& result) {
    switch (result.code) {
    case DbCode::kNoDatabase:
        return QString();
    case DbCode::kConnectionLost:
        return DbMessages::kConnectionLost;
    case DbCode::kServerPassword:
        return DbMessages::kServerPassword;
    case DbCode::kServerTooOld:
        return QString(DbMessages::kServerTooOld)
            .arg(QString::fromUtf8(result.error))
            .arg(kOldestServerVersion);
    case DbCode::kServerNoDatabase:
        return QString(DbMessages::kServerNoDatabase).arg(QString::fromUtf8(result.error));
    case DbCode::kServerUnreachable:
        return QString(DbMessages::kServerUnreachable).arg(QString::fromUtf8(result.error));
    default:
        break;
    }
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
