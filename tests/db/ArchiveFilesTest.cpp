// Archive copies and restores on real files: the gzip stream, the consistent
// copy while another process writes, and every refusal of a restore.
#include "db/DatabaseArchive.h"
#include "db/GzipStream.h"
#include "db/SafeFileWrite.h"
#include "support/ChildSeat.h"
#include "support/DatabaseTest.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QFileInfo>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <sqlite3.h>

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

QString checkOf(const QString& path, const char* pragma) {
    Connection connection;
    if (connection.Open(path, false).Failed())
        return "cannot open";
    ResultTable table;
    if (connection.Query(pragma, table).Failed() || table.Empty())
        return "failed";
    return table.Text(1, 0);
}

// A device that takes only so many bytes and then reports a full disk.
class FullDisk : public QIODevice {
public:
    explicit FullDisk(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        if (length > m_room)
            return -1;
        m_room -= length;
        return length;
    }

private:
    qint64 m_room;
};

// Holds a lock of the database library's range, as a writing process does.
class SeatLockHolder {
public:
    explicit SeatLockHolder(const QString& path) : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR)) {
        struct flock lock {};
        lock.l_type = F_RDLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = (off_t{1} << 30) + 2;
        lock.l_len = 1;
        EXPECT_EQ(::fcntl(m_fd, F_OFD_SETLK, &lock), 0);
    }
    ~SeatLockHolder() { ::close(m_fd); }

private:
    int m_fd;
};

class ArchiveFilesTest : public DatabaseTest {
protected:
    void AddUnits(int count) {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(Db().ExecPrintf("INSERT INTO units VALUES(?);", QString("мярка %1").arg(i)));
    }
    QString Archive(const QString& name = "TV20261208103000.Z") {
        const QString path = tempDir.filePath(name);
        EXPECT_EQ(ArchiveDatabase(*doc->GetDatabase(), path, nullptr), "");
        return path;
    }
    // A gzip archive of any bytes.
    QString PackBytes(const QByteArray& data, const QString& name) {
        QBuffer in;
        in.setData(data);
        in.open(QIODevice::ReadOnly);
        const QString path = tempDir.filePath(name);
        EXPECT_EQ(WriteFileWhole(path, [&](QFile& out) { return GzipCompress(in, out, nullptr); }), "");
        return path;
    }
};
} // namespace

TEST_F(ArchiveFilesTest, ArchiveRestoresTheDatabaseAndGzipReadsIt) {
    SKIP_ON_SERVER("archives of the file");
    AddUnits(50);
    std::vector<int> progress;
    const QString archive = tempDir.filePath("TV20261208103000.Z");
    ASSERT_EQ(ArchiveDatabase(*doc->GetDatabase(), archive, [&](int p) { progress.push_back(p); }), "");
    EXPECT_FALSE(QFile::exists(archive + ".part"));
    EXPECT_FALSE(QFile::exists(archive + ".db"));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);

    // gzip itself turns the archive back into a database file.
    QProcess gzip;
    gzip.start("gzip", {"-dc", archive});
    ASSERT_TRUE(gzip.waitForFinished(30000));
    const QByteArray unpacked = gzip.readAllStandardOutput();
    ASSERT_EQ(gzip.exitCode(), 0);

    // Restored into another directory, the file is the archive's byte for byte.
    QDir(Dir()).mkdir("other");
    const QString target = tempDir.filePath("other/tarvo.db");
    bool released = false;
    ASSERT_EQ(RestoreDatabase(
                  archive, target, [&] { released = true; }, nullptr),
              "");
    EXPECT_TRUE(released);
    EXPECT_EQ(readAll(target), unpacked);
    EXPECT_FALSE(QFile::exists(target + ".restore"));
    EXPECT_EQ(checkOf(target, "PRAGMA integrity_check;"), "ok");
    EXPECT_EQ(checkOf(target, "SELECT COUNT(*) FROM units WHERE unit LIKE 'мярка%';"), "50");

    // The copy is the open file page for page: only the header's change
    // counters of the copy differ from the live file.
    const QByteArray original = readAll(tempDir.filePath("tarvo.db"));
    ASSERT_EQ(original.size(), unpacked.size());
    for (int at = 0; at < original.size(); ++at) {
        const bool headerCounter = (at >= 24 && at < 28) || (at >= 40 && at < 44) || (at >= 92 && at < 96);
        EXPECT_TRUE(original[at] == unpacked[at] || headerCounter) << at;
    }
}

TEST_F(ArchiveFilesTest, ArchiveWhileAnotherProcessWritesIsConsistent) {
    SKIP_ON_SERVER("archives of the file");
    ChildSeat writer;
    writer.Start({"writer", tempDir.filePath("tarvo.db"), "писач", "400"});
    QDir(Dir()).mkdir("restored");
    for (int round = 0; round < 4; ++round) {
        const QString archive = Archive(QString("TV%1.Z").arg(round));
        const QString target = tempDir.filePath(QString("restored/%1.db").arg(round));
        ASSERT_EQ(RestoreDatabase(
                      archive, target, [] {}, nullptr),
                  "");
        EXPECT_EQ(checkOf(target, "PRAGMA integrity_check;"), "ok");
        // Each writer change adds a unit and a group together: never half of it.
        EXPECT_EQ(checkOf(target, "SELECT (SELECT COUNT(*) FROM units WHERE unit LIKE 'писач%') = "
                                  "(SELECT COUNT(*) FROM groups WHERE name = 'писач');"),
                  "1");
    }
    EXPECT_EQ(writer.Finish(), 0) << writer.Errors().toStdString();
}

TEST_F(ArchiveFilesTest, BrokenOrForeignArchivesAreRefusedAndTheDatabaseStays) {
    SKIP_ON_SERVER("archives of the file");
    AddUnits(5);
    const QString database = tempDir.filePath("tarvo.db");
    const QString good = Archive();
    const QByteArray before = readAll(database);

    const QByteArray packed = readAll(good);
    const QString truncated = tempDir.filePath("truncated.Z");
    writeAll(truncated, packed.left(packed.size() / 2));
    const QString notGzip = tempDir.filePath("plain.Z");
    writeAll(notGzip, "това не е архив");

    // Any SQLite file that is not Tarvo's, and a Tarvo file of a newer format.
    const QString foreignDb = tempDir.filePath("foreign.db");
    {
        Connection foreign;
        ASSERT_TRUE(foreign.Open(foreignDb, true).Ok());
        ASSERT_TRUE(
            foreign.Exec("CREATE TABLE t (x); INSERT INTO t VALUES (1);").Ok());
    }
    const QString foreign = PackBytes(readAll(foreignDb), "foreign.Z");
    ASSERT_TRUE(Db().Exec("UPDATE settings SET key_value = '15' WHERE key_name = 'dbversion';"));
    const QString newer = Archive("newer.Z");
    ASSERT_TRUE(Db().Exec("UPDATE settings SET key_value = '14' WHERE key_name = 'dbversion';"));
    const QByteArray current = readAll(database);

    for (const QString& archive : {truncated, notGzip, foreign, newer, tempDir.filePath("missing.Z")}) {
        bool released = false;
        EXPECT_NE(RestoreDatabase(
                      archive, database, [&] { released = true; }, nullptr),
                  "")
            << archive.toStdString();
        EXPECT_FALSE(released) << "the own connection stays open for a refused archive";
        EXPECT_EQ(readAll(database), current);
        EXPECT_FALSE(QFile::exists(database + ".restore"));
        EXPECT_FALSE(QFile::exists(database + ".restore.part"));
    }
    EXPECT_NE(before, QByteArray());
}

TEST_F(ArchiveFilesTest, RestoreIsRefusedWhileTheFileIsInUse) {
    SKIP_ON_SERVER("archives of the file");
    AddUnits(3);
    const QString database = tempDir.filePath("tarvo.db");
    const QString archive = Archive();
    ASSERT_TRUE(Db().Exec("INSERT INTO units VALUES('след архива');"));
    const QByteArray current = readAll(database);

    // This program's own seat, never released: the file is in use.
    EXPECT_NE(RestoreDatabase(
                  archive, database, [] {}, nullptr),
              "");
    EXPECT_EQ(readAll(database), current);

    // Another copy of the program marks the file.
    doc->CloseDatabase();
    ChildSeat other;
    other.Start({"hold-seat", database});
    other.WaitReady();
    EXPECT_NE(RestoreDatabase(
                  archive, database, [] {}, nullptr),
              "");
    EXPECT_EQ(readAll(database), current);
    other.Go();
    EXPECT_EQ(other.Finish(), 0);

    // Nobody uses it now: the archive's content comes back, and a journal
    // left beside the old file goes with it.
    writeAll(database + "-journal", "x");
    ASSERT_EQ(RestoreDatabase(
                  archive, database, [] {}, nullptr),
              "");
    EXPECT_EQ(checkOf(database, "SELECT COUNT(*) FROM units WHERE unit = 'след архива';"), "0");
    EXPECT_FALSE(QFile::exists(database + "-journal"));
}

// The case archives exist for: a file whose header was overwritten, or a
// text, is replaced unless a process holds a lock on it; through a
// symbolic link the file it points to is restored and the link stays.
TEST_F(ArchiveFilesTest, ADamagedFileOrALinkIsRestored) {
    SKIP_ON_SERVER("archives of the file");
    AddUnits(3);
    const QString database = tempDir.filePath("tarvo.db");
    const QString archive = Archive();
    doc->CloseDatabase();
    const QByteArray whole = readAll(database);
    for (const QByteArray& damage : {QByteArray(100, '\0') + whole.mid(100), QByteArray("не е база данни\n")}) {
        writeAll(database, damage);
        EXPECT_EQ(RestoreDatabase(
                      archive, database, [] {}, nullptr),
                  "");
        EXPECT_EQ(checkOf(database, "SELECT COUNT(*) FROM units;"), "3");
    }
    // A process holding the library's lock keeps even a damaged file.
    writeAll(database, "повреден");
    {
        SeatLockHolder holder(database);
        EXPECT_NE(RestoreDatabase(
                      archive, database, [] {}, nullptr),
                  "");
    }
    EXPECT_EQ(readAll(database), "повреден");

    const QString real = tempDir.filePath("real.db");
    ASSERT_TRUE(QFile::rename(database, real));
    ASSERT_TRUE(QFile::link(real, database));
    ASSERT_EQ(RestoreDatabase(
                  archive, database, [] {}, nullptr),
              "");
    EXPECT_TRUE(QFileInfo(database).isSymLink());
    EXPECT_EQ(checkOf(real, "SELECT COUNT(*) FROM units;"), "3");
}

TEST_F(ArchiveFilesTest, RestoreKilledBeforeTheRenameLeavesTheOldFile) {
    SKIP_ON_SERVER("archives of the file");
    AddUnits(2);
    const QString database = tempDir.filePath("tarvo.db");
    const QString archive = Archive();
    ASSERT_TRUE(Db().Exec("INSERT INTO units VALUES('жива');"));
    doc->CloseDatabase();
    const QByteArray current = readAll(database);

    QProcess child;
    child.start(TARVO_TEST_CHILD, {"restore-and-stop", archive, database});
    ASSERT_TRUE(child.waitForStarted());
    while (!child.canReadLine())
        ASSERT_TRUE(child.waitForReadyRead(30000));
    ASSERT_EQ(child.readLine().trimmed(), "ready");
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    child.waitForFinished(30000);

    EXPECT_EQ(readAll(database), current);
    EXPECT_EQ(checkOf(database, "SELECT COUNT(*) FROM units WHERE unit = 'жива';"), "1");
}

TEST_F(ArchiveFilesTest, AWriteFailureLeavesNoArchive) {
    SKIP_ON_SERVER("archives of the file");
    // The compressor stops at the first refused write.
    QBuffer in;
    in.setData(QByteArray(1 << 20, 'x') + QByteArray::number(12345));
    in.open(QIODevice::ReadOnly);
    FullDisk full(100);
    EXPECT_NE(GzipCompress(in, full, nullptr), "");

    // A failed fill leaves neither the file nor its part.
    const QString path = tempDir.filePath("TV1.Z");
    const QString error = WriteFileWhole(path, [](QFile& out) {
        out.write("половин архив");
        return QString("диск пълен");
    });
    EXPECT_EQ(error, "диск пълен");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + ".part"));

    // An older archive of the same name stays when the new one fails.
    writeAll(path, "по-стар архив");
    EXPECT_NE(WriteFileWhole(path, [](QFile&) { return QString("грешка"); }), "");
    EXPECT_EQ(readAll(path), "по-стар архив");

    // A directory that does not exist takes no archive.
    const QString nowhere = tempDir.filePath("няма/TV2.Z");
    EXPECT_NE(ArchiveDatabase(*doc->GetDatabase(), nowhere, nullptr), "");
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST(ArchiveFileName, NamesTheMomentInTheDirectory) {
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
    EXPECT_EQ(ArchiveFileName("/arch/", moment), "/arch/TV20240305140709.Z");
    EXPECT_EQ(ArchiveFileName("/arch", moment), "/arch/TV20240305140709.Z");
}
