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
double cents(double value) {
    return std::round(value * 100) / 100;
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
        Answer(socket, QJsonObject{{"ok", false}}, 404);
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
        double sum = 0;
        for (const QJsonValue& value : body.value("items").toArray()) {
            const QJsonObject item = value.toObject();
            if (item.contains("type") && item.value("type").toString() != "sale")
                continue;
            const double discount = item.value("priceModifierType").toString() == "discount-percent"
                                        ? item.value("priceModifierValue").toDouble()
                                        : 0;
            sum += cents(item.value("quantity").toDouble(1) * item.value("unitPrice").toDouble() *
                         (1 - discount / 100));
        }
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
                                   {"messages", QJsonArray{QJsonObject{{"type", "error"},
                                                                       {"code", "E109"},
                                                                       {"text", "Duplicated Task Id"}}}}});
        return;
    }
    m_running.insert(taskId);
    QPointer<QTcpSocket> waiting(socket);
    auto answered = std::make_shared<bool>(false);
    auto finish = [this, action, taskId, body, waiting, answered] {
        const QJsonObject result = Result(action, body);
        m_running.erase(taskId);
        if (!taskId.isEmpty())
            m_finished[taskId] = result; // kept until asked about, as the real server does
        if (!silent && waiting && !*answered) {
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
