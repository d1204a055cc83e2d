#pragma once

#include <QDateTime>
#include <optional>

class Database;

// Readers and writers of the database-wide settings (table `settings`), each
// with the behaviour its key has when the row is absent, NULL or unreadable.
class DbSettings {
public:
    explicit DbSettings(Database& db) : m_db(db) {}

    // 0 when absent, NULL or unreadable.
    int SellsOnZero();
    bool SetSellsOnZero(int value);

    // Absent: 1, nothing stored. NULL: 1 is stored and returned. Error: 1.
    int ArchiveAutoPrompt();
    bool SetArchiveAutoPrompt(int value);

    // Midnight of the stored day; absent or unreadable: now minus one day.
    QDateTime ArchiveLastTime(const QDateTime& now);
    // Whether a day of an archive is stored at all.
    bool HasArchiveLastTime();
    bool SetArchiveLastTime(const QDate& day);

    // Absent or NULL: 0 is stored and returned.
    int ReportOptimizer();
    bool SetReportOptimizer(int value);

    // Stored for the record; every reader works with two decimals.
    bool StoreCostPricePrecision(int decimals);
    bool StoreSellPricePrecision(int decimals);

    // The raw value of a key: nothing when the row is absent; a NULL value is
    // reported as present-but-null through isNull. False on a failed read,
    // which has been reported.
    bool Read(const char* key, std::optional<int>* value, bool* isNull);
    bool Write(const char* key, int value);
    // A key holding text: empty when absent, NULL or unreadable.
    QString Text(const char* key);
    bool WriteText(const char* key, const QString& value);

private:
    Database& m_db;
};
