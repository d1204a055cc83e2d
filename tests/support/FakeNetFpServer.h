#pragma once

#include <QJsonArray>
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
// them) and answers as the reference server does: it checks that a
// receipt's payment equals its items as the device computes them (E403),
// warns of payments on a reversal (W302), answers E109 to a task id it holds,
// and can refuse, drop the connection after printing, never answer, answer
// broken JSON or forget its tasks as after a restart.
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
    // The next print request prints, then the connection closes unanswered.
    bool dropNext = false;
    // The next print request prints and is answered with broken JSON.
    bool malformedNext = false;

    // Task questions get no answer (the connection closes).
    bool taskInfoDown = false;

    // Forgets every task, as a restarted server does.
    void Restart();
    // The items' total of a receipt in cents, as the reference server adds
    // it up to compare it with the payment.
    static long long ItemsTotalCents(const QJsonArray& items);

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
