// tarvo_oldfile DIR VERSION [DUMP]: writes a firm's file of an old format
// (1 to 13) into DIR/tarvo.db, to open with Tarvo and watch the upgrade;
// with DUMP, also that file's dump as the SQLite 2.8 shell writes it in
// CP1251, to bring in with `tarvo import-dump DUMP`.
#include "db/OldFormatFiles.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int version = argc >= 3 ? std::atoi(argv[2]) : 0;
    if (argc < 3 || version < 1 || version > 13) {
        std::fprintf(stderr, "usage: tarvo_oldfile DIR VERSION(1-13) [DUMP]\n");
        return 2;
    }
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath("tarvo.db");
    if (QFile::exists(path)) {
        std::fprintf(stderr, "tarvo_oldfile: %s exists already\n", qPrintable(path));
        return 1;
    }
    OldFormatFiles::Build(path, version);
    if (::testing::Test::HasFailure())
        return 1;
    std::printf("%s: format %d written\n", qPrintable(path), version);
    if (argc >= 4) {
        QFile dump(QString::fromLocal8Bit(argv[3]));
        if (!dump.open(QIODevice::WriteOnly) ||
            dump.write(OldFormatFiles::ToCp1251(OldFormatFiles::Sqlite2Dump(path))) < 0) {
            std::fprintf(stderr, "tarvo_oldfile: %s could not be written\n", argv[3]);
            return 1;
        }
        std::printf("%s: its dump in CP1251\n", argv[3]);
    }
    return 0;
}
