#include "db/DatabaseArchive.h"

#include "base/AppInfo.h"
#include "db/Connection.h"
#include "db/ArchiveRun.h"
#include "db/FirmCopy.h"
#include "db/FirmLocation.h"
#include "db/ReportDbError.h"
#include "db/ResultTable.h"
#include "db/SafeFileWrite.h"
#include "db/SchemaVersion.h"
#include "db/SeatLock.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace {
// How long a copy waits for a seat that is writing: 600 pauses of 100 ms.
constexpr int kBusyPauses = 600;
constexpr int kBusyPauseMs = 100;

// Scales the progress of one stage into its share of the whole work.
WorkProgress stage(const WorkProgress& progress, int from, int to) {
    return [progress, from, to](int percent) {
        if (progress)
            progress(from + (to - from) * percent / 100);
    };
}

QString libraryError(sqlite3* handle) {
    return QString::fromUtf8(sqlite3_errmsg(handle));
}

// Copies the open database into `copyPath` in one step, so the copy is one
// consistent state of the file.
QString copyDatabase(Connection& source, const QString& copyPath) {
    Connection copy;
    if (DbResult opened = copy.Open(copyPath, true); opened.Failed())
        return QString("Временното копие на базата данни не може да бъде създадено: %1")
            .arg(QString::fromUtf8(opened.error));
    // A firm on a server is copied into the file table by table.
    if (source.IsServer())
        return CopyFirm(source, copy, nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(copy.Handle(), "main", source.Handle(), "main");
    if (!backup)
        return QString("Базата данни не може да бъде копирана: %1").arg(libraryError(copy.Handle()));
    int rc = SQLITE_OK;
    for (int pause = 0; pause <= kBusyPauses; ++pause) {
        rc = sqlite3_backup_step(backup, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            break;
        sqlite3_sleep(kBusyPauseMs);
    }
    sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE)
        return QString();
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return "Базата данни се използва от друг процес и не може да бъде копирана в този момент.";
    return QString("Базата данни не може да бъде копирана: %1").arg(libraryError(copy.Handle()));
}

// Why an unpacked file cannot stand in for the database, or empty.
QString checkRestoredFile(const QString& path) {
    Connection candidate;
    if (candidate.Open(path, false).Failed())
        return "Архивът не съдържа база данни.";
    ResultTable check;
    if (candidate.Query("PRAGMA quick_check;", check).Failed() || check.Empty() ||
        check.Text(1, 0) != "ok")
        return "Архивът не съдържа изправна база данни.";
    DbResult failure;
    const int version = SchemaVersionOf(
        [&candidate](const QByteArray& sql, ResultTable& table) {
            return candidate.Query(sql, table);
        },
        failure);
    if (version < 1 || version > AppInfo::kSchemaVersion)
        return "Архивът не съдържа база данни на TARVO в поддържан формат.";
    return QString();
}

// Renames the checked file over the database while no seat uses it; the
// database library's lock is held as well, so no statement is half-way. A
// file the library cannot read (its header overwritten, not a database at
// all) is what an archive is for: it is replaced when no process holds a
// lock on it. A journal left beside the old file cannot belong to the new
// one and goes.
QString putInPlace(const QString& restored, const QString& databasePath) {
    if (!QFile::exists(databasePath))
        return ReplaceFile(restored, databasePath);
    SeatLock alone;
    if (!alone.TakeAlone(databasePath))
        return "Базата данни се използва от друго копие на програмата. Затворете го и опитайте отново.";
    Connection current;
    const DbResult opened = current.Open(databasePath, false);
    const DbResult locked = opened.Failed() ? opened : current.Exec("BEGIN EXCLUSIVE;");
    const bool unreadable = locked.code == DbCode::kNotADatabase || locked.code == DbCode::kCorrupt;
    if (locked.Failed() && (!unreadable || SeatLock::LibraryLockHeld(databasePath)))
        return "Базата данни се използва от друг процес (друго копие записва в нея). Опитайте отново по-късно.";
    QFile::remove(databasePath + "-journal");
    const QString error = ReplaceFile(restored, databasePath);
    if (locked.Ok())
        current.Exec("ROLLBACK;");
    return error;
}
} // namespace

QString ArchiveDirectoryOf(const QString& chosen, const QString& databasePath) {
    if (!chosen.isEmpty())
        return chosen;
    return IsServerLocation(databasePath) ? QDir::currentPath() : QFileInfo(databasePath).absolutePath();
}

QString ArchiveFileName(const QString& directory, const QDateTime& now) {
    const QDate day = now.date();
    const QTime time = now.time();
    QString name = directory;
    if (!name.isEmpty() && !name.endsWith('/'))
        name += '/';
    return name + QString::asprintf("TV%.4d%.2d%.2d%.2d%.2d%.2d.Z", day.year(), day.month(), day.day(),
                                    time.hour(), time.minute(), time.second());
}

QString ArchiveDatabase(Connection& connection, const QString& destination, const WorkProgress& progress,
                        QString* written) {
    const ArchiveRun run(destination);
    run.ClearLeftoversOfEndedRuns();
    QString error = run.CreatePrivateCopyFile();
    if (error.isEmpty())
        error = copyDatabase(connection, run.CopyPath());
    stage(progress, 0, 30)(100);
    if (error.isEmpty()) {
        QFile copy(run.CopyPath());
        if (!copy.open(QIODevice::ReadOnly))
            error = QString("Временното копие %1 не може да бъде прочетено.").arg(run.CopyPath());
        else
            error = WriteFileWhole(run.PartPath(), [&](QFile& out) {
                return GzipCompress(copy, out, stage(progress, 30, 95));
            });
    }
    run.RemoveCopy();
    // The archive is read back whole before it is reported.
    if (error.isEmpty())
        error = VerifyGzipFile(run.PartPath());
    std::optional<QString> name;
    if (error.isEmpty())
        name = PublishUnderFreeName(run.PartPath(), destination, error);
    if (!name) {
        QFile::remove(run.PartPath());
        return error;
    }
    if (written)
        *written = *name;
    stage(progress, 95, 100)(100);
    return QString();
}

namespace {
// An archive brought onto a server: unpacked and checked in a private
// folder, then copied over the firm in one transaction while no other seat
// is connected. Older formats are a file matter.
QString restoreOnServer(const QString& archive, const QString& location,
                        const std::function<void()>& releaseOwnConnection, const WorkProgress& progress) {
    QFile packed(archive);
    if (!packed.open(QIODevice::ReadOnly))
        return QString("Архивът %1 не може да бъде отворен: %2").arg(archive, packed.errorString());
    QTemporaryDir folder;
    if (!folder.isValid())
        return "Временна папка за архива не може да бъде създадена.";
    const QString restored = folder.filePath("tarvo.db");
    QString error = WriteFileWhole(
        restored, [&](QFile& out) { return GzipDecompress(packed, out, stage(progress, 0, 50)); });
    if (!error.isEmpty() || !(error = checkRestoredFile(restored)).isEmpty())
        return error;
    Connection source;
    if (DbResult opened = source.Open(restored, false); opened.Failed())
        return "Архивът не съдържа база данни.";
    ResultTable version;
    if (source.Query("SELECT key_value FROM settings WHERE key_name = 'dbversion';", version).Failed() ||
        version.Int(1, 0) != AppInfo::kSchemaVersion)
        return QString("Архивът е от по-стар формат. Възстановете го в директория, отворете го веднъж с "
                       "програмата и го копирайте на сървъра (tarvo copy).");
    releaseOwnConnection();
    Connection target;
    if (DbResult opened = target.Open(location, false); opened.Failed())
        return DbErrorText(opened);
    ResultTable seats;
    if (target.Query(target.Dialect().OtherSeats(), seats).Failed() || seats.Int(1, 0) > 0)
        return "Базата данни се използва от друго копие на програмата. Затворете го и опитайте отново.";
    error = CopyFirm(source, target, stage(progress, 50, 100), true);
    return error;
}
} // namespace

QString RestoreDatabase(const QString& archive, const QString& linkOrPath,
                        const std::function<void()>& releaseOwnConnection, const WorkProgress& progress) {
    if (IsServerLocation(linkOrPath))
        return restoreOnServer(archive, linkOrPath, releaseOwnConnection, progress);
    // Through a symbolic link the file it points to is restored, so every
    // seat that reaches the database by the link sees the archive.
    const QFileInfo given(linkOrPath);
    const QString databasePath = given.isSymLink() ? given.symLinkTarget() : linkOrPath;
    QFile packed(archive);
    if (!packed.open(QIODevice::ReadOnly))
        return QString("Архивът %1 не може да бъде отворен: %2").arg(archive, packed.errorString());
    const QString restored = databasePath + ".restore";
    QString error = WriteFileWhole(
        restored, [&](QFile& out) { return GzipDecompress(packed, out, stage(progress, 0, 90)); });
    if (error.isEmpty())
        error = checkRestoredFile(restored);
    if (error.isEmpty()) {
        releaseOwnConnection();
        error = putInPlace(restored, databasePath);
    }
    if (!error.isEmpty())
        QFile::remove(restored);
    else if (progress)
        progress(100);
    return error;
}
