#include "db/FirmLocation.h"

#include <QRegularExpression>
#include <QUrl>

bool IsServerLocation(const QString& location) {
    return location.startsWith("postgresql://", Qt::CaseInsensitive) ||
           location.startsWith("postgres://", Qt::CaseInsensitive);
}

QString WithoutPassword(const QString& location) {
    if (!IsServerLocation(location))
        return location;
    QString shown = location;
    // user:password@ in the authority ...
    const int authority = shown.indexOf("://") + 3;
    int end = shown.indexOf(QRegularExpression("[/?]"), authority);
    if (end < 0)
        end = shown.size();
    const int at = shown.lastIndexOf('@', end - 1);
    if (at >= authority) {
        const int colon = shown.indexOf(':', authority);
        if (colon >= 0 && colon < at)
            shown.remove(colon, at - colon);
    }
    // ... and password=... among the parameters.
    static const QRegularExpression parameter("([?&])password=[^&]*&?");
    shown.replace(parameter, "\\1");
    if (shown.endsWith('?') || shown.endsWith('&'))
        shown.chop(1);
    return shown;
}

QString ServerLocation(const QString& server, const QString& database, const QString& user) {
    const QString userPart =
        user.isEmpty() ? QString() : QString::fromUtf8(QUrl::toPercentEncoding(user)) + "@";
    const QString base = QString::fromUtf8(QUrl::toPercentEncoding(database));
    if (server.startsWith('/'))
        return "postgresql://" + userPart + "/" + base +
               "?host=" + QString::fromUtf8(QUrl::toPercentEncoding(server));
    return "postgresql://" + userPart + server + "/" + base;
}
