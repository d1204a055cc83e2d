#include "db/GkSettings.h"

#include "db/Database.h"

QString GkSettings::Read(const char* key) {
    ResultTable table;
    DbResult result = m_db.QueryPrintfWithRetry(table, "SELECT key_value FROM gk_settings WHERE key_name = '%q';", key);
    if (result.Failed()) {
        m_db.ReportDbError(result);
        return QString();
    }
    return table.Empty() ? QString() : table.Text(1, 0);
}

int GkSettings::GkTerm() {
    const QString text = Read("gk_term");
    return text.isNull() ? 12 : text.toInt();
}

QString GkSettings::CondText() {
    const QString text = Read("cond_text");
    return text.isNull() ? QString("") : text;
}

int GkSettings::CondPlacement() {
    const QString text = Read("cond_placement");
    return text.isNull() ? 0 : text.toInt();
}
