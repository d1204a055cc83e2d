// A fiscal print server for trying the program without a device: answers
// the Net.FP protocol on the given port (8001 by default) and prints each
// request's line, never its body.
#include "support/FakeNetFpServer.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FakeNetFpServer server;
    const quint16 port = argc > 1 ? static_cast<quint16>(QString(argv[1]).toUInt()) : 8001;
    if (!server.Listen(port)) {
        std::fprintf(stderr, "port %u is taken\n", port);
        return 1;
    }
    std::printf("Net.FP server on %s\n", qPrintable(server.Url()));
    std::fflush(stdout);
    QTimer log;
    size_t shown = 0;
    QObject::connect(&log, &QTimer::timeout, [&] {
        for (; shown < server.requests.size(); ++shown)
            std::printf("%s %s\n", qPrintable(server.requests[shown].method),
                        qPrintable(server.requests[shown].path));
        std::fflush(stdout);
    });
    log.start(200);
    return app.exec();
}
