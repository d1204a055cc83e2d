#include "net/QtHttpTransport.h"

#include "net/HttpExchange.h"

#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

namespace {

HttpReply exchange(const QString& method, const QString& url, const QByteArray& body, int timeoutMs) {
    const QUrl target(url);
    const bool secure = target.scheme() == "https";
    QSslSocket socket;
    HttpAnswerReader answer;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    bool written = false;
    const auto send = [&] {
        written = true;
        socket.write(HttpRequestBytes(method, url, body));
    };
    if (secure)
        QObject::connect(&socket, &QSslSocket::encrypted, &loop, send);
    else
        QObject::connect(&socket, &QTcpSocket::connected, &loop, send);
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] {
        if (answer.Feed(socket.readAll()))
            loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, [&] {
        if (socket.bytesAvailable() > 0)
            answer.Feed(socket.readAll());
        answer.Closed();
        loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            loop.quit();
    });
    timer.start(timeoutMs);
    if (secure)
        socket.connectToHostEncrypted(target.host(), static_cast<quint16>(target.port(443)));
    else
        socket.connectToHost(target.host(), static_cast<quint16>(target.port(80)));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    HttpReply reply;
    reply.delivered = written;
    if (answer.Complete()) {
        reply.answered = true;
        reply.status = answer.Status();
        reply.body = answer.Body();
    } else if (timedOut) {
        reply.error = "няма отговор в срок";
    } else if (socket.error() == QAbstractSocket::RemoteHostClosedError ||
               socket.state() == QAbstractSocket::UnconnectedState) {
        reply.error = socket.error() == QAbstractSocket::RemoteHostClosedError || socket.errorString().isEmpty()
                          ? QString("връзката прекъсна без отговор")
                          : socket.errorString();
    } else {
        reply.error = socket.errorString();
    }
    socket.abort();
    return reply;
}

} // namespace

HttpReply QtHttpTransport::Get(const QString& url, int timeoutMs) {
    return exchange("GET", url, QByteArray(), timeoutMs);
}

HttpReply QtHttpTransport::Post(const QString& url, const QByteArray& json, int timeoutMs) {
    return exchange("POST", url, json, timeoutMs);
}

void QtHttpTransport::Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
