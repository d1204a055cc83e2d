#include "sales/fiscal/NetFpClient.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStringList>
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

// What the server said in an answer that is not a result: the text of a
// JSON problem ("title", "detail", "message", "messages") or of the body.
QString serverText(const HttpReply& reply) {
    const QJsonDocument json = QJsonDocument::fromJson(reply.body);
    QStringList parts;
    if (json.isObject()) {
        const QJsonObject o = json.object();
        for (const char* key : {"title", "detail", "message", "error"})
            if (o.value(key).isString() && !o.value(key).toString().trimmed().isEmpty())
                parts << o.value(key).toString().trimmed();
        for (const QJsonValue& m : o.value("messages").toArray())
            if (!m.toObject().value("text").toString().isEmpty())
                parts << m.toObject().value("text").toString();
    }
    if (parts.isEmpty())
        parts << QString::fromUtf8(reply.body).simplified().left(200);
    parts.removeAll(QString());
    return parts.join("; ");
}

QString statusText(const HttpReply& reply) {
    const QString said = serverText(reply);
    return said.isEmpty() ? QString("HTTP %1").arg(reply.status) : QString("HTTP %1: %2").arg(reply.status).arg(said);
}

std::optional<QJsonObject> objectOf(const HttpReply& reply, QString& error) {
    if (!reply.answered) {
        error = reply.error;
        return std::nullopt;
    }
    QJsonParseError parse{};
    const QJsonDocument json = QJsonDocument::fromJson(reply.body, &parse);
    if (parse.error != QJsonParseError::NoError || !json.isObject() || reply.status >= 300) {
        error = statusText(reply);
        return std::nullopt;
    }
    return json.object();
}

NetFpResult noAnswer(const HttpReply& reply, const QString& error) {
    NetFpResult r;
    r.outcome = NetFpResult::Outcome::NoAnswer;
    r.transportError = error;
    r.delivered = reply.delivered || reply.answered;
    r.answered = reply.answered;
    return r;
}

// The result of a printing request. A server that answers a client error
// with no result (an unknown device, a request it cannot read) refused it;
// any other answer without a result leaves the outcome unknown.
NetFpResult resultOf(const HttpReply& reply) {
    QString error;
    const std::optional<QJsonObject> answer = objectOf(reply, error);
    if (answer) {
        NetFpResult r = ParseNetFpResult(*answer);
        if (r.outcome == NetFpResult::Outcome::NoAnswer)
            return noAnswer(reply, statusText(reply));
        return r;
    }
    if (reply.answered && reply.status >= 400 && reply.status < 500) {
        const QJsonDocument json = QJsonDocument::fromJson(reply.body);
        if (json.isObject() && json.object().contains("ok"))
            return ParseNetFpResult(json.object());
        NetFpResult r;
        r.outcome = NetFpResult::Outcome::Refused;
        r.answered = true;
        r.messages.push_back({"error", QString(), statusText(reply)});
        return r;
    }
    return noAnswer(reply, error);
}

} // namespace

bool NetFpResult::HasCode(const QString& code) const {
    for (const NetFpMessage& m : messages)
        if (m.code == code)
            return true;
    return false;
}

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
    return resultOf(
        m_transport.Get(Url("/printers/" + QUrl::toPercentEncoding(printerId) + "/status"), m_answerTimeoutMs));
}

NetFpResult NetFpClient::Print(const QString& printerId, const QString& action, const QJsonObject& body,
                               const QString& taskId) {
    const QString path = QString("/printers/%1/%2?asyncTimeout=%3&taskId=%4")
                             .arg(QString::fromUtf8(QUrl::toPercentEncoding(printerId)), action)
                             .arg(m_asyncTimeoutMs)
                             .arg(QString::fromUtf8(QUrl::toPercentEncoding(taskId)));
    return resultOf(
        m_transport.Post(Url(path), QJsonDocument(body).toJson(QJsonDocument::Compact), m_answerTimeoutMs));
}

NetFpResult NetFpClient::TaskInfo(const QString& taskId) {
    QString error;
    const HttpReply reply =
        m_transport.Get(Url("/printers/taskinfo?id=" + QUrl::toPercentEncoding(taskId)), m_answerTimeoutMs);
    const std::optional<QJsonObject> answer = objectOf(reply, error);
    if (!answer)
        return noAnswer(reply, error);
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
