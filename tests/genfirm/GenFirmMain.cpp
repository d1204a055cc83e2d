// tarvo_genfirm DIR SCALE: writes a generated firm into DIR/tarvo.db (a new
// database), to open with Tarvo or to measure the reports on.
#include "base/ConsolePrompter.h"
#include "base/Sleeper.h"
#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "genfirm/GeneratedFirm.h"

#include <QDir>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tarvo_genfirm DIR SCALE\n");
        return 2;
    }
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath("tarvo.db");
    const double scale = std::atof(argv[2]);
    ConsolePrompter prompter;
    ThreadSleeper sleeper;
    Connection connection;
    if (CreateDatabase(path, connection, sleeper, prompter) != CreationResult::Created) {
        std::fprintf(stderr, "tarvo_genfirm: %s could not be created (it may exist already)\n",
                     qPrintable(path));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    if (!GenerateFirm(connection, scale)) {
        std::fprintf(stderr, "tarvo_genfirm: a statement failed, nothing was written\n");
        return 1;
    }
    std::printf("%s: scale %g written in %.1f s\n", qPrintable(path), scale, timer.elapsed() / 1000.0);
    return 0;
}
