#pragma once

#include "sales/fiscal/HttpTransport.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

// A message of the device or the server in an answer.
struct NetFpMessage {
    QString type; // "info", "warning" or "error"
    QString code; // "E301", "W301", ...; may be empty
    QString text;
};

// A device the print server offers.
struct NetFpPrinter {
    QString id;
    QString manufacturer;
    QString model;
    QString serialNumber;
    QString fiscalMemoryNumber;
    int itemTextMaxLength = 0;
    int commentTextMaxLength = 0;
};

// The outcome of one request to the print server.
struct NetFpResult {
    enum class Outcome {
        Done,     // "ok": true
        Refused,  // "ok": false; the messages say why
        Pending,  // the task is queued or printing; ask again later
        Unknown,  // the server knows no task of that id
        NoAnswer, // no connection, no answer in time, or no JSON
    };
    Outcome outcome = Outcome::NoAnswer;
    std::vector<NetFpMessage> messages;
    QString receiptNumber;
    QString receiptDateTime;
    double receiptAmount = 0;
    QString fiscalMemoryNumber;
    QString deviceDateTime;
    QString transportError;
    // The request may have reached the server (see HttpReply::delivered).
    bool delivered = true;
    // The server answered, but not with a result (a broken or foreign answer).
    bool answered = false;

    bool HasCode(const QString& code) const;
};

// The requests of the Net.FP protocol (JSON over HTTP) that Tarvo uses.
class NetFpClient {
public:
    NetFpClient(HttpTransport& transport, const QString& serverUrl);

    // How long the server may print before it answers with the task's id,
    // and how long an answer is waited for at all.
    void SetTimeouts(int asyncTimeoutMs, int answerTimeoutMs);

    std::optional<std::vector<NetFpPrinter>> Printers(QString& error);
    NetFpResult Status(const QString& printerId);
    // A printing request ("receipt", "reversalreceipt", "deposit",
    // "withdraw", "xreport", "zreport"), idempotent by the task's id.
    NetFpResult Print(const QString& printerId, const QString& action, const QJsonObject& body,
                      const QString& taskId);
    NetFpResult TaskInfo(const QString& taskId);
    // Asks about the task until it is no longer queued or printing, or the
    // wait is over.
    NetFpResult AwaitTask(const QString& taskId, int waitMs);

    // A fresh task id: 16 random bytes in URL-safe base64.
    static QString NewTaskId();

private:
    QString Url(const QString& path) const;

    HttpTransport& m_transport;
    QString m_serverUrl;
    int m_asyncTimeoutMs = 15000;
    int m_answerTimeoutMs = 25000;
};

// The result fields of a JSON answer of a printing request.
NetFpResult ParseNetFpResult(const QJsonObject& answer);
