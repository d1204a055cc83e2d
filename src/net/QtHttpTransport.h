#pragma once

#include "sales/fiscal/HttpTransport.h"

// The fiscal print server over the network. Every request goes out exactly
// once on a connection of its own: a print request sent twice may print
// twice, so nothing here ever repeats one (Qt's network access manager sends
// a request again when the server closes the connection without answering).
// Each request waits in a local event loop, so the windows keep painting,
// until the answer or the time-out.
class QtHttpTransport : public HttpTransport {
public:
    HttpReply Get(const QString& url, int timeoutMs) override;
    HttpReply Post(const QString& url, const QByteArray& json, int timeoutMs) override;
    void Wait(int milliseconds) override;
};
