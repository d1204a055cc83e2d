// A fiscal print server for trying the program without a device: answers
// the Net.FP protocol on the given port (8001 by default) and prints each
// request's line, never its body, with the receipts printed so far.
// "--drop-first": the first print request prints, then its connection
// closes unanswered, as a server that loses its answer.
#include "support/FakeNetFpServer.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FakeNetFpServer server;
    quint16 port = 8001;
    for (int i = 1; i < argc; ++i) {
        if (QString(argv[i]) == "--drop-first")
            server.dropNext = true;
        else
            port = static_cast<quint16>(QString(argv[i]).toUInt());
    }
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
            std::printf("%s %s (printed: %d)\n", qPrintable(server.requests[shown].method),
                        qPrintable(server.requests[shown].path), server.printed);
        std::fflush(stdout);
    });
    log.start(200);
    return app.exec();
}
