#pragma once

#include <QString>

// The temporary files of one archive run, named after its process so two
// runs at once never share one, and a later run knows which were left by a
// run that was killed: the uncompressed copy of the database in the
// system's temporary folder (readable by the owner only) and the part of the
// archive beside the archive.
class ArchiveRun {
public:
    explicit ArchiveRun(const QString& destination);

    QString CopyPath() const { return m_copy; }
    QString PartPath() const { return m_part; }
    // The empty copy file, made for the owner alone before the library fills it.
    QString CreatePrivateCopyFile() const;
    void RemoveCopy() const;
    // Removes the copies and parts of runs whose process is gone.
    void ClearLeftoversOfEndedRuns() const;

private:
    QString m_directory;
    QString m_copy;
    QString m_part;
};

// Whether a gzip file unpacks whole; the reason when not.
QString VerifyGzipFile(const QString& path);
