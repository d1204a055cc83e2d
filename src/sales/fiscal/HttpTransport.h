#pragma once

#include <QByteArray>
#include <QString>

// One HTTP exchange with the fiscal print server.
struct HttpReply {
    bool answered = false; // false: no connection, or no answer in time
    int status = 0;
    QByteArray body;
    QString error; // why there was no answer
    // The request may have reached the server: false only when no
    // connection was made, so nothing can have been done.
    bool delivered = false;
};

// How the fiscal receipts reach the print server; the program sends over the
// network, the tests may answer in place of a server.
class HttpTransport {
public:
    virtual ~HttpTransport() = default;
    virtual HttpReply Get(const QString& url, int timeoutMs) = 0;
    virtual HttpReply Post(const QString& url, const QByteArray& json, int timeoutMs) = 0;
    // Waits while the program stays responsive (between two questions
    // about a receipt still printing).
    virtual void Wait(int milliseconds) = 0;
};
