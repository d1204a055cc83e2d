#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <map>
#include <optional>
#include <set>
#include <vector>

class QTcpServer;
class QTcpSocket;

// A fiscal print server that speaks the Net.FP protocol for one Datecs
// device "dt279013": it records every request, prints receipts (counting
// them) and answers as the protocol documents, including refusals, answers
// that never come and tasks that finish after their time-out.
class FakeNetFpServer : public QObject {
public:
    struct Request {
        QString method;
        QString path; // with its query
        QByteArray body;
        QJsonObject json;
    };

    FakeNetFpServer();
    ~FakeNetFpServer() override;

    bool Listen(quint16 port = 0);
    QString Url() const;

    std::vector<Request> requests;
    // Receipts (sale and reversal) the device printed.
    int printed = 0;

    // How long the device takes to print.
    int printMs = 0;
    // Print requests get no answer at all (the connection is lost), while
    // the device still prints.
    bool silent = false;
    // The next print is refused with this code and text.
    std::optional<std::pair<QString, QString>> refuseNext;
    // A warning code added to every answer (e.g. "W301").
    QString warning;
    // Added to the amount the device reports.
    double amountOffset = 0;
    int itemTextMaxLength = 22;

    // The requests to one path (the part before '?').
    std::vector<Request> To(const QString& path) const;

private:
    void Read(QTcpSocket* socket);
    void Handle(QTcpSocket* socket, const Request& request);
    void Print(QTcpSocket* socket, const QString& action, const QString& taskId, int asyncTimeout,
               const QJsonObject& body);
    QJsonObject Result(const QString& action, const QJsonObject& body);
    QJsonArray Messages() const;
    static void Answer(QTcpSocket* socket, const QJsonObject& json, int status = 200);

    QTcpServer* m_server;
    std::map<QTcpSocket*, QByteArray> m_buffers;
    std::set<QString> m_running;
    std::map<QString, QJsonObject> m_finished;
};
