#include "masterdata/PartnerValueStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

bool PartnerValueStore::List(const QString& item, std::vector<Entry>& out) {
    out.clear();
    const bool codes = m_kind == PartnerValueKind::Codes;
    ResultTable t;
    if (!m_db.Query(
            t,
            "SELECT c.rec_id, c.partner_id, p.partner_name, %s FROM %s AS c LEFT JOIN partners AS p ON "
            "p.partner_id = c.partner_id WHERE c.stock_code = ? ORDER BY p.partner_name ASC;",
            SqlStatement(codes ? "c.partner_code" : "c.partner_price"),
            SqlStatement(codes ? "stock_codes" : "stock_prices"), item))
        return false;
    for (int r = 1; r <= t.Rows(); ++r)
        out.push_back({t.Int(r, 0), t.Int(r, 1), t.IsNull(r, 2) ? std::nullopt : std::optional(t.Text(r, 2)),
                       codes ? t.Text(r, 3, "") : QString(), codes ? 0.0 : t.Double(r, 3)});
    return true;
}

QString PartnerValueStore::Code(int partnerId, const QString& item) {
    return m_db.QueryText("", "SELECT partner_code FROM stock_codes WHERE partner_id = ? AND stock_code = ?;",
                          partnerId, item);
}

double PartnerValueStore::Price(int partnerId, const QString& item) {
    return m_db.QueryDouble(0,
                            "SELECT partner_price FROM stock_prices WHERE partner_id = ? AND stock_code = ?;",
                            partnerId, item);
}

bool PartnerValueStore::Write(WriteTransaction& t, int recId, const QString& item, int partnerId,
                              const QString& code, double price) {
    if (m_kind == PartnerValueKind::Codes)
        return recId ? t.ExecPrintf("UPDATE stock_codes SET partner_code = ? WHERE rec_id = ?;", code, recId)
                     : t.ExecPrintf(
                           "INSERT INTO stock_codes (stock_code, partner_id, partner_code) VALUES (?, ?, ?);",
                           item, partnerId, code);
    return recId ? t.ExecPrintf("UPDATE stock_prices SET partner_price = ? WHERE rec_id = ?;",
                                SqlDecimal{price, 5}, recId)
                 : t.ExecPrintf(
                       "INSERT INTO stock_prices (stock_code, partner_id, partner_price) VALUES (?, ?, ?);",
                       item, partnerId, SqlDecimal{price, 5});
}

bool PartnerValueStore::Delete(WriteTransaction& t, int recId) {
    return t.ExecPrintf(m_kind == PartnerValueKind::Codes ? "DELETE FROM stock_codes WHERE rec_id = ?;"
                                                          : "DELETE FROM stock_prices WHERE rec_id = ?;",
                        recId);
}

std::optional<std::vector<std::pair<int, double>>> PartnerValueStore::NonZeroPrices() {
    ResultTable t;
    if (!m_db.Query(t, "SELECT rec_id, partner_price FROM stock_prices WHERE partner_price <> 0;"))
        return std::nullopt;
    std::vector<std::pair<int, double>> prices;
    for (int r = 1; r <= t.Rows(); ++r)
        prices.emplace_back(t.Int(r, 0), t.Double(r, 1));
    return prices;
}

bool PartnerValueStore::SetPrice(WriteTransaction& t, int recId, double price, int places) {
    return t.ExecPrintf("UPDATE stock_prices SET partner_price = ? WHERE rec_id = ?;",
                        SqlDecimal{price, places}, recId);
}
