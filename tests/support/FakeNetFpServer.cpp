#include "support/FakeNetFpServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>
#include <cmath>

namespace {

// Products of quantities and prices exceed 64 bits before they are divided.
__extension__ typedef __int128 Wide;
double cents(double value) {
    return std::round(value * 100) / 100;
}

// A decimal of the request in units of 10^-decimals, exact for the figures
// a receipt carries.
long long units(const QJsonValue& value, int decimals) {
    return std::llround(value.toDouble() * std::pow(10.0, decimals));
}

// n / d to the nearest integer, halves away from zero, as the server's
// decimal rounding.
long long nearest(Wide n, Wide d) {
    const Wide q = ((n < 0 ? -n : n) * 2 + d) / (2 * d);
    return static_cast<long long>(n < 0 ? -q : q);
}

} // namespace

long long FakeNetFpServer::ItemsTotalCents(const QJsonArray& items) {
    long long total = 0;
    for (const QJsonValue& value : items) {
        const QJsonObject item = value.toObject();
        if (item.contains("type") && item.value("type").toString() != "sale")
            continue;
        const long long quantity = item.contains("quantity") && units(item["quantity"], 3) != 0
                                       ? units(item["quantity"], 3)
                                       : 1000;
        const Wide price = static_cast<Wide>(quantity) * units(item["unitPrice"], 2); // 1e-5
        const QString type = item.value("priceModifierType").toString();
        const long long modifier = units(item["priceModifierValue"], 2);
        if (type == "discount-percent")
            total += nearest(price * (10000 - modifier), 10000000);
        else if (type == "surcharge-percent")
            total += nearest(price * (10000 + modifier), 10000000);
        else if (type == "discount-amount")
            total += nearest(price - modifier * 1000, 1000);
        else if (type == "surcharge-amount")
            total += nearest(price + modifier * 1000, 1000);
        else
            total += nearest(price, 1000);
    }
    return total;
}

namespace {
QJsonObject error(const QString& code, const QString& text) {
    return QJsonObject{{"type", "error"}, {"code", code}, {"text", text}};
}
} // namespace

FakeNetFpServer::FakeNetFpServer() : m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.erase(socket);
                socket->deleteLater();
            });
        }
    });
}

FakeNetFpServer::~FakeNetFpServer() = default;

bool FakeNetFpServer::Listen(quint16 port) {
    return m_server->listen(QHostAddress::LocalHost, port);
}

QString FakeNetFpServer::Url() const {
    return QString("http://127.0.0.1:%1").arg(m_server->serverPort());
}

void FakeNetFpServer::Restart() {
    m_running.clear();
    m_finished.clear();
}

std::vector<FakeNetFpServer::Request> FakeNetFpServer::To(const QString& path) const {
    std::vector<Request> found;
    for (const Request& r : requests)
        if (r.path.section('?', 0, 0) == path)
            found.push_back(r);
    return found;
}

void FakeNetFpServer::Read(QTcpSocket* socket) {
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    qsizetype length = 0;
    for (const QByteArray& line : lines)
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
    if (buffer.size() < end + 4 + length)
        return;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    Request request{QString::fromLatin1(first.value(0)),
                    QString::fromUtf8(first.value(1)),
                    buffer.mid(end + 4, length),
                    {}};
    request.json = QJsonDocument::fromJson(request.body).object();
    buffer.clear();
    requests.push_back(request);
    Handle(socket, request);
}

QJsonArray FakeNetFpServer::Messages() const {
    QJsonArray messages{QJsonObject{{"type", "info"}, {"text", "Serial number and number of FM are set"}}};
    if (!warning.isEmpty())
        messages.append(QJsonObject{{"type", "warning"}, {"code", warning}, {"text", "Low paper"}});
    return messages;
}

void FakeNetFpServer::Handle(QTcpSocket* socket, const Request& request) {
    const QString path = request.path.section('?', 0, 0);
    const QUrlQuery query(request.path.section('?', 1));
    if (request.method == "GET" && path == "/printers") {
        Answer(socket, QJsonObject{{"dt279013", QJsonObject{{"uri", "bg.dt.p.isl.com://COM15"},
                                                            {"serialNumber", "DT279013"},
                                                            {"fiscalMemorySerialNumber", "02279013"},
                                                            {"manufacturer", "Datecs"},
                                                            {"model", "FP-2000"},
                                                            {"itemTextMaxLength", itemTextMaxLength},
                                                            {"commentTextMaxLength", 42},
                                                            {"operatorPasswordMaxLength", 8}}}});
        return;
    }
    if (request.method == "GET" && path == "/printers/taskinfo" && taskInfoDown) {
        socket->abort();
        return;
    }
    if (request.method == "GET" && path == "/printers/taskinfo") {
        const QString id = query.queryItemValue("id");
        if (m_finished.count(id)) {
            const QJsonObject result = m_finished[id];
            m_finished.erase(id); // the server forgets a finished task once asked
            Answer(socket, QJsonObject{{"taskStatus", "finished"}, {"result", result}});
        } else {
            Answer(socket, QJsonObject{{"taskStatus", m_running.count(id) ? "running" : "unknown"}});
        }
        return;
    }
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    if (parts.size() != 3 || parts[0] != "printers" || parts[1] != "dt279013") {
        Answer(socket, QJsonObject{{"type", "https://tools.ietf.org/html/rfc7231#section-6.5.4"},
                                   {"title", "Not Found"}, {"status", 404}},
               404);
        return;
    }
    if (request.method == "GET" && parts[2] == "status") {
        Answer(
            socket,
            QJsonObject{{"ok", true}, {"messages", Messages()}, {"deviceDateTime", "2026-12-08T10:30:00"}});
        return;
    }
    const QString taskId = query.queryItemValue("taskId");
    const int asyncTimeout =
        query.hasQueryItem("asyncTimeout") ? query.queryItemValue("asyncTimeout").toInt() : -1;
    Print(socket, parts[2], taskId, asyncTimeout, request.json);
}

QJsonObject FakeNetFpServer::Result(const QString& action, const QJsonObject& body) {
    if (refuseNext) {
        const auto [code, text] = *refuseNext;
        refuseNext.reset();
        QJsonArray messages = Messages();
        messages.append(QJsonObject{{"type", "error"}, {"code", code}, {"text", text}});
        return QJsonObject{{"ok", "false"}, {"messages", messages}};
    }
    QJsonObject result{{"ok", "true"}, {"messages", Messages()}};
    if (action == "receipt" || action == "reversalreceipt") {
        const long long items = ItemsTotalCents(body.value("items").toArray());
        long long paid = 0;
        for (const QJsonValue& payment : body.value("payments").toArray())
            paid += units(payment.toObject()["amount"], 2);
        if (action == "receipt" && !body.value("payments").toArray().isEmpty() && paid != items)
            return QJsonObject{
                {"ok", "false"},
                {"messages",
                 QJsonArray{error("E403", QString("Payment total amount (%1) should be the same as the items "
                                                  "total amount (%2)")
                                              .arg(static_cast<double>(paid) / 100)
                                              .arg(static_cast<double>(items) / 100))}}};
        if (action == "reversalreceipt" && !body.value("payments").toArray().isEmpty()) {
            QJsonArray messages = result["messages"].toArray();
            messages.append(QJsonObject{{"type", "warning"},
                                        {"code", "W302"},
                                        {"text", "Reversal receipt payments array should be empty. It will be "
                                                 "ignored."}});
            result["messages"] = messages;
        }
        const double sum = static_cast<double>(items) / 100;
        ++printed;
        result["receiptNumber"] = QString("%1").arg(printed + 84, 7, 10, QChar('0'));
        result["receiptDateTime"] = "2026-12-08T10:31:00";
        result["receiptAmount"] = cents(sum + amountOffset);
        result["fiscalMemorySerialNumber"] = "02279013";
    }
    return result;
}

void FakeNetFpServer::Print(QTcpSocket* socket, const QString& action, const QString& taskId,
                            int asyncTimeout, const QJsonObject& body) {
    if (!taskId.isEmpty() && (m_running.count(taskId) || m_finished.count(taskId))) {
        Answer(socket, QJsonObject{{"ok", "false"},
                                   {"messages", QJsonArray{error("E109", "Task ID already exists")}}});
        return;
    }
    const bool drop = dropNext;
    const bool malformed = malformedNext;
    dropNext = malformedNext = false;
    m_running.insert(taskId);
    QPointer<QTcpSocket> waiting(socket);
    auto answered = std::make_shared<bool>(false);
    auto finish = [this, action, taskId, body, waiting, answered, drop, malformed] {
        const QJsonObject result = Result(action, body);
        m_running.erase(taskId);
        if (!taskId.isEmpty())
            m_finished[taskId] = result; // kept until asked about, as the real server does
        if (drop && waiting) {
            *answered = true;
            waiting->abort();
        } else if (malformed && waiting) {
            *answered = true;
            waiting->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                           "14\r\nConnection: close\r\n\r\n{\"ok\": true, \"");
            waiting->disconnectFromHost();
        } else if (!silent && waiting && !*answered) {
            *answered = true;
            Answer(waiting, result);
        }
    };
    if (asyncTimeout >= 0 && asyncTimeout < printMs && !silent)
        QTimer::singleShot(asyncTimeout, this, [waiting, answered, taskId] {
            if (waiting && !*answered) {
                *answered = true;
                Answer(waiting, QJsonObject{{"taskId", taskId}});
            }
        });
    if (printMs == 0)
        finish();
    else
        QTimer::singleShot(printMs, this, finish);
}

void FakeNetFpServer::Answer(QTcpSocket* socket, const QJsonObject& json, int status) {
    const QByteArray body = QJsonDocument(json).toJson(QJsonDocument::Compact);
    socket->write(
        QString("HTTP/1.1 %1 %2\r\nContent-Type: application/json\r\nContent-Length: %3\r\nConnection: "
                "close\r\n\r\n")
            .arg(status)
            .arg(status == 200 ? "OK" : "Not Found")
            .arg(body.size())
            .toLatin1() +
        body);
    socket->disconnectFromHost();
}
