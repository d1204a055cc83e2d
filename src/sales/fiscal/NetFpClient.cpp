#include "sales/fiscal/NetFpClient.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QUrl>

namespace {

// "ok" comes as a JSON boolean or as the text "true" / "false".
std::optional<bool> okOf(const QJsonObject& answer) {
    const QJsonValue ok = answer.value("ok");
    if (ok.isBool())
        return ok.toBool();
    if (ok.isString())
        return ok.toString().compare("true", Qt::CaseInsensitive) == 0;
    return std::nullopt;
}

std::optional<QJsonObject> objectOf(const HttpReply& reply, QString& error) {
    if (!reply.answered) {
        error = reply.error;
        return std::nullopt;
    }
    QJsonParseError parse{};
    const QJsonDocument json = QJsonDocument::fromJson(reply.body, &parse);
    if (parse.error != QJsonParseError::NoError || !json.isObject()) {
        error = QString("HTTP %1").arg(reply.status);
        return std::nullopt;
    }
    return json.object();
}

NetFpResult noAnswer(const QString& error) {
    NetFpResult r;
    r.outcome = NetFpResult::Outcome::NoAnswer;
    r.transportError = error;
    return r;
}

} // namespace

NetFpResult ParseNetFpResult(const QJsonObject& answer) {
    NetFpResult r;
    for (const QJsonValue& m : answer.value("messages").toArray()) {
        const QJsonObject message = m.toObject();
        r.messages.push_back({message.value("type").toString(), message.value("code").toString(),
                              message.value("text").toString()});
    }
    r.receiptNumber = answer.value("receiptNumber").toString();
    r.receiptDateTime = answer.value("receiptDateTime").toString();
    r.receiptAmount = answer.value("receiptAmount").toDouble();
    r.fiscalMemoryNumber = answer.value("fiscalMemorySerialNumber").toString();
    r.deviceDateTime = answer.value("deviceDateTime").toString();
    const std::optional<bool> ok = okOf(answer);
    if (ok)
        r.outcome = *ok ? NetFpResult::Outcome::Done : NetFpResult::Outcome::Refused;
    else if (answer.contains("taskId"))
        r.outcome = NetFpResult::Outcome::Pending;
    else
        r.outcome = NetFpResult::Outcome::NoAnswer;
    return r;
}

NetFpClient::NetFpClient(HttpTransport& transport, const QString& serverUrl)
    : m_transport(transport), m_serverUrl(serverUrl.trimmed()) {
    while (m_serverUrl.endsWith('/'))
        m_serverUrl.chop(1);
}

void NetFpClient::SetTimeouts(int asyncTimeoutMs, int answerTimeoutMs) {
    m_asyncTimeoutMs = asyncTimeoutMs;
    m_answerTimeoutMs = answerTimeoutMs;
}

QString NetFpClient::Url(const QString& path) const {
    return m_serverUrl + path;
}

std::optional<std::vector<NetFpPrinter>> NetFpClient::Printers(QString& error) {
    const std::optional<QJsonObject> answer =
        objectOf(m_transport.Get(Url("/printers"), m_answerTimeoutMs), error);
    if (!answer)
        return std::nullopt;
    std::vector<NetFpPrinter> printers;
    for (auto it = answer->begin(); it != answer->end(); ++it) {
        const QJsonObject p = it.value().toObject();
        printers.push_back({it.key(), p.value("manufacturer").toString(), p.value("model").toString(),
                            p.value("serialNumber").toString(),
                            p.value("fiscalMemorySerialNumber").toString(),
                            p.value("itemTextMaxLength").toInt(), p.value("commentTextMaxLength").toInt()});
    }
    return printers;
}

NetFpResult NetFpClient::Status(const QString& printerId) {
    QString error;
    const std::optional<QJsonObject> answer =
        objectOf(m_transport.Get(Url("/printers/" + QUrl::toPercentEncoding(printerId) + "/status"),
                                 m_answerTimeoutMs),
                 error);
    return answer ? ParseNetFpResult(*answer) : noAnswer(error);
}

NetFpResult NetFpClient::Print(const QString& printerId, const QString& action, const QJsonObject& body,
                               const QString& taskId) {
    const QString path = QString("/printers/%1/%2?asyncTimeout=%3&taskId=%4")
                             .arg(QString::fromUtf8(QUrl::toPercentEncoding(printerId)), action)
                             .arg(m_asyncTimeoutMs)
                             .arg(QString::fromUtf8(QUrl::toPercentEncoding(taskId)));
    QString error;
    const std::optional<QJsonObject> answer = objectOf(
        m_transport.Post(Url(path), QJsonDocument(body).toJson(QJsonDocument::Compact), m_answerTimeoutMs),
        error);
    return answer ? ParseNetFpResult(*answer) : noAnswer(error);
}

NetFpResult NetFpClient::TaskInfo(const QString& taskId) {
    QString error;
    const std::optional<QJsonObject> answer = objectOf(
        m_transport.Get(Url("/printers/taskinfo?id=" + QUrl::toPercentEncoding(taskId)), m_answerTimeoutMs),
        error);
    if (!answer)
        return noAnswer(error);
    const QString status = answer->value("taskStatus").toString();
    if (status == "finished")
        return ParseNetFpResult(answer->value("result").toObject());
    NetFpResult r;
    r.outcome = status == "enqueued" || status == "running" ? NetFpResult::Outcome::Pending
                                                            : NetFpResult::Outcome::Unknown;
    return r;
}

NetFpResult NetFpClient::AwaitTask(const QString& taskId, int waitMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        NetFpResult r = TaskInfo(taskId);
        if (r.outcome != NetFpResult::Outcome::Pending || elapsed.elapsed() >= waitMs)
            return r;
        m_transport.Wait(250);
    }
}

QString NetFpClient::NewTaskId() {
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray bytes(reinterpret_cast<const char*>(words), sizeof words);
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}
