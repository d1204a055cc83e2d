#include "db/DbSettings.h"

#include "db/Database.h"

bool DbSettings::Read(const char* key, std::optional<int>* value, bool* isNull) {
    ResultTable table;
    value->reset();
    *isNull = false;
    if (!m_db.Query(table, "SELECT key_value FROM settings WHERE key_name = ?;", key))
        return false;
    if (table.Empty())
        return true;
    *isNull = table.IsNull(1, 0);
    if (!*isNull)
        *value = table.Int(1, 0);
    return true;
}

bool DbSettings::Write(const char* key, int value) {
    return m_db.ExecPrintf("INSERT INTO settings (key_name, key_value) VALUES(?, ?)"
                           " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;", key, value);
}

QString DbSettings::Text(const char* key) {
    return m_db.QueryText("", "SELECT key_value FROM settings WHERE key_name = ?;", key);
}

bool DbSettings::WriteText(const char* key, const QString& value) {
    return m_db.ExecPrintf("INSERT INTO settings (key_name, key_value) VALUES(?, ?)"
                           " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;", key, value);
}

int DbSettings::SellsOnZero() {
    std::optional<int> value;
    bool isNull = false;
    Read("sells_on_zero", &value, &isNull);
    return value.value_or(0);
}

bool DbSettings::SetSellsOnZero(int value) {
    return Write("sells_on_zero", value);
}

int DbSettings::ArchiveAutoPrompt() {
    std::optional<int> value;
    bool isNull = false;
    if (!Read("archive_auto_prompt", &value, &isNull))
        return 1;
    if (isNull) {
        Write("archive_auto_prompt", 1);
        return 1;
    }
    return value.value_or(1);
}

bool DbSettings::SetArchiveAutoPrompt(int value) {
    return Write("archive_auto_prompt", value);
}

QDateTime DbSettings::ArchiveLastTime(const QDateTime& now) {
    std::optional<int> value;
    bool isNull = false;
    QDateTime dayAgo = now.addDays(-1);
    if (!Read("archive_last_time", &value, &isNull) || !value)
        return dayAgo;
    // The stored YYYYMMDD, read back through its decimal text.
    const QString text = QString::number(static_cast<unsigned>(*value));
    const QDate day(text.left(4).toInt(), text.mid(4, 2).toInt(), text.right(2).toInt());
    if (text.size() != 8 || !day.isValid())
        return dayAgo;
    return QDateTime(day, QTime(0, 0));
}

bool DbSettings::HasArchiveLastTime() {
    std::optional<int> value;
    bool isNull = false;
    return Read("archive_last_time", &value, &isNull) && value.has_value();
}

bool DbSettings::SetArchiveLastTime(const QDate& day) {
    return m_db.ExecPrintf(
        "INSERT INTO settings (key_name, key_value) VALUES('archive_last_time', ?)"
        " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;",
        day.toString("yyyyMMdd"));
}

int DbSettings::ReportOptimizer() {
    std::optional<int> value;
    bool isNull = false;
    if (!Read("report_optimizer", &value, &isNull))
        return 0;
    if (!value) {
        Write("report_optimizer", 0);
        return 0;
    }
    return *value;
}

bool DbSettings::SetReportOptimizer(int value) {
    return Write("report_optimizer", value);
}

bool DbSettings::StoreCostPricePrecision(int decimals) {
    return Write("cost_price_precision", decimals);
}

bool DbSettings::StoreSellPricePrecision(int decimals) {
    return Write("sell_price_precision", decimals);
}
