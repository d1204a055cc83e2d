#include "support/TestServer.h"

#include "db/Connection.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <atomic>

namespace TestServer {

namespace {
QString pattern() {
    return qEnvironmentVariable("TARVO_TEST_SERVER");
}

QString create(const QByteArray& from, QString* why) {
    if (pattern().isEmpty()) {
        *why = "no test server (TARVO_TEST_SERVER is not set; scripts/test starts one)";
        return QString();
    }
    static std::atomic<int> counter{0};
    const QString name = QString("t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    Connection admin;
    DbResult result = admin.Open(pattern().arg("postgres"), false);
    if (result.Ok())
        result = admin.Exec(QByteArray("CREATE DATABASE ") + name.toUtf8() + from + ";");
    if (result.Failed()) {
        *why = QString::fromUtf8(result.error);
        return QString();
    }
    return pattern().arg(name);
}
} // namespace

bool Wanted() {
    return qEnvironmentVariable("TARVO_TEST_ENGINE") == "server";
}

QString NewDatabase(QString* why) {
    return create(" TEMPLATE tarvo_template", why);
}

QString NewEmptyDatabase(QString* why) {
    return create(" TEMPLATE template0", why);
}

void DropDatabase(const QString& location) {
    const QString name = QRegularExpression(R"(t_\d+_\d+)").match(location).captured(0);
    if (name.isEmpty())
        return;
    Connection admin;
    if (admin.Open(pattern().arg("postgres"), false).Ok())
        admin.Exec(QByteArray("DROP DATABASE IF EXISTS ") + name.toUtf8() + " WITH (FORCE);");
}

} // namespace TestServer
