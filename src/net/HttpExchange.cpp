#include "net/HttpExchange.h"

#include <QList>
#include <QUrl>

bool HttpAnswerReader::Feed(const QByteArray& bytes) {
    if (m_complete)
        return true;
    m_buffer += bytes;
    if (!m_headRead && !ParseHead())
        return false;
    if (m_chunked)
        return ParseChunks();
    if (m_length && m_buffer.size() >= *m_length) {
        m_body = m_buffer.left(*m_length);
        m_complete = true;
    }
    return m_complete;
}

bool HttpAnswerReader::Closed() {
    if (!m_complete && m_headRead && !m_chunked && !m_length) {
        m_body = m_buffer;
        m_complete = true;
    }
    return m_complete;
}

bool HttpAnswerReader::ParseHead() {
    const qsizetype end = m_buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QList<QByteArray> lines = m_buffer.left(end).split('\n');
    const QList<QByteArray> status = lines.value(0).trimmed().split(' ');
    m_status = status.value(1).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed().toLower();
        if (name == "content-length")
            m_length = value.toLongLong();
        else if (name == "transfer-encoding" && value.contains("chunked"))
            m_chunked = true;
    }
    m_buffer.remove(0, end + 4);
    m_headRead = true;
    return true;
}

bool HttpAnswerReader::ParseChunks() {
    for (;;) {
        const qsizetype lineEnd = m_buffer.indexOf("\r\n");
        if (lineEnd < 0)
            return false;
        bool ok = false;
        const qsizetype size = m_buffer.left(lineEnd).split(';').value(0).trimmed().toLongLong(&ok, 16);
        if (!ok)
            return false;
        if (size == 0) {
            m_complete = true;
            return true;
        }
        if (m_buffer.size() < lineEnd + 2 + size + 2)
            return false;
        m_body += m_buffer.mid(lineEnd + 2, size);
        m_buffer.remove(0, lineEnd + 2 + size + 2);
    }
}

QByteArray HttpRequestBytes(const QString& method, const QString& url, const QByteArray& body) {
    const QUrl target(url);
    QByteArray path = target.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty())
        path = "/";
    if (target.hasQuery())
        path += '?' + target.query(QUrl::FullyEncoded).toLatin1();
    QByteArray head = method.toLatin1() + ' ' + path + " HTTP/1.1\r\nHost: " +
                      target.authority(QUrl::FullyEncoded).toLatin1() +
                      "\r\nConnection: close\r\nAccept: application/json\r\n";
    if (method == "POST")
        head += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    return head + "\r\n" + body;
}
