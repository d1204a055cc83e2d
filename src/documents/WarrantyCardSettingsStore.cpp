#include "documents/WarrantyCardSettingsStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

QString WarrantyCardSettingsStore::Read(const char* key) {
    return m_db.QueryText(QString(), "SELECT key_value FROM gk_settings WHERE key_name = ?;", key);
}

int WarrantyCardSettingsStore::GkTerm() {
    const QString text = Read("gk_term");
    return text.isNull() ? 12 : text.toInt();
}

QString WarrantyCardSettingsStore::CondText() {
    const QString text = Read("cond_text");
    return text.isNull() ? QString("") : text;
}

int WarrantyCardSettingsStore::CondPlacement() {
    const QString text = Read("cond_placement");
    return text.isNull() ? 0 : text.toInt();
}

bool WarrantyCardSettingsStore::SetConditions(const QString& text, int placement) {
    WriteTransaction t(m_db);
    return t.Begin() && t.ExecPrintf("INSERT INTO gk_settings (key_name, key_value) VALUES('cond_text', ?)"
                                      " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;", text) &&
           t.ExecPrintf("INSERT INTO gk_settings (key_name, key_value) VALUES('cond_placement', ?)"
                                      " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;", placement) && t.Commit();
}
