#pragma once

#include "sales/fiscal/HttpTransport.h"

#include <memory>

class QNetworkAccessManager;

// The fiscal print server over the network: each request waits in a local
// event loop, so the windows keep painting, until the answer or the time-out.
class QtHttpTransport : public HttpTransport {
public:
    QtHttpTransport();
    ~QtHttpTransport() override;

    HttpReply Get(const QString& url, int timeoutMs) override;
    HttpReply Post(const QString& url, const QByteArray& json, int timeoutMs) override;
    void Wait(int milliseconds) override;

private:
    std::unique_ptr<QNetworkAccessManager> m_network;
};
