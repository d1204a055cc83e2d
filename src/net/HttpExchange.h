#pragma once

#include "sales/fiscal/HttpTransport.h"

#include <QByteArray>
#include <QString>
#include <optional>

// An HTTP/1.1 answer read off the wire: the status line, the headers that
// frame the body (Content-Length, chunked transfer, or the connection's
// end) and the body itself.
class HttpAnswerReader {
public:
    // Adds bytes as they arrive; true once the answer is complete.
    bool Feed(const QByteArray& bytes);
    // The connection ended: an answer framed by its end is complete now.
    bool Closed();
    bool Complete() const { return m_complete; }
    int Status() const { return m_status; }
    QByteArray Body() const { return m_body; }

private:
    bool ParseHead();
    bool ParseChunks();

    QByteArray m_buffer;
    bool m_headRead = false;
    bool m_complete = false;
    int m_status = 0;
    std::optional<qsizetype> m_length;
    bool m_chunked = false;
    QByteArray m_body;
};

// One request, as its bytes go on the wire, with "Connection: close".
QByteArray HttpRequestBytes(const QString& method, const QString& url, const QByteArray& body);
