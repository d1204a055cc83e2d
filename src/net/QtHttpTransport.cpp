#include "net/QtHttpTransport.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

HttpReply await(QNetworkReply* reply, int timeoutMs) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    HttpReply answer;
    if (!reply->isFinished()) {
        reply->abort();
        answer.error = "няма отговор в срок";
    } else {
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.answered = answer.status != 0;
        answer.body = reply->readAll();
        if (!answer.answered)
            answer.error = reply->errorString();
    }
    reply->deleteLater();
    return answer;
}

QNetworkRequest requestOf(const QString& url, int timeoutMs) {
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeoutMs);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    return request;
}

} // namespace

QtHttpTransport::QtHttpTransport() : m_network(std::make_unique<QNetworkAccessManager>()) {}

QtHttpTransport::~QtHttpTransport() = default;

HttpReply QtHttpTransport::Get(const QString& url, int timeoutMs) {
    return await(m_network->get(requestOf(url, timeoutMs)), timeoutMs);
}

HttpReply QtHttpTransport::Post(const QString& url, const QByteArray& json, int timeoutMs) {
    return await(m_network->post(requestOf(url, timeoutMs), json), timeoutMs);
}

void QtHttpTransport::Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
