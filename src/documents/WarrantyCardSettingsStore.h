#pragma once

#include <QString>

class Database;

// The statements of the warranty card settings (table `gk_settings`); a new file has
// no rows there, so each reader falls back to its default.
class WarrantyCardSettingsStore {
public:
    explicit WarrantyCardSettingsStore(Database& db) : m_db(db) {}

    int GkTerm();        // 12 when absent
    QString CondText();  // empty when absent
    int CondPlacement(); // 0 when absent
    // The conditions and their place for the cards to come, both or neither.
    bool SetConditions(const QString& text, int placement);

private:
    // The stored text of a key, or a null string when absent, NULL or unreadable.
    QString Read(const char* key);

    Database& m_db;
};
