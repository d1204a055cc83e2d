#include "masterdata/PartnerItemValues.h"

#include "base/Prompter.h"
#include "base/TextInput.h"
#include "db/Database.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "masterdata/PartnersForm.h"

QString PartnerItemValues::Title() const {
    return m_kind == Kind::Codes ? QString("кодове по номенклатурата на контрагенти") + " - " + m_item
                                 : QString("цени по клиенти") + " - " + m_item;
}

QString PartnerItemValues::ValueTitle() const {
    return m_kind == Kind::Codes ? QString("код по номенкл. на контрагента") : QString("цена за контрагента");
}

bool PartnerItemValues::Reload() {
    m_rows.clear();
    ResultTable t;
    const bool read =
        m_kind == Kind::Codes
            ? m_db.Query(
                  t,
                  "SELECT c.rec_id, c.partner_id, p.partner_name, c.partner_code FROM stock_codes AS c "
                  "LEFT JOIN partners AS p ON p.partner_id = c.partner_id WHERE c.stock_code = ? ORDER "
                  "BY p.partner_name ASC;",
                  m_item)
            : m_db.Query(
                  t,
                  "SELECT c.rec_id, c.partner_id, p.partner_name, c.partner_price FROM stock_prices AS c "
                  "LEFT JOIN partners AS p ON p.partner_id = c.partner_id WHERE c.stock_code = ? ORDER "
                  "BY p.partner_name ASC;",
                  m_item);
    if (!read)
        return false;
    for (int r = 1; r <= t.Rows(); ++r)
        m_rows.push_back({t.Int(r, 0), t.Int(r, 1), t.Text(r, 2, "-"),
                          m_kind == Kind::Codes ? t.Text(r, 3, "") : FormatNumber(t.Double(r, 3), 2)});
    return true;
}

bool PartnerItemValues::AskValue(TextInput& input, const QString& initial, QString* value) {
    const auto typed =
        input.AskText(m_kind == Kind::Codes ? "код по номенклатурата на контрагента" : "цена за клиента",
                      ValueTitle() + ":", initial);
    if (!typed)
        return false;
    *value = typed->trimmed();
    if (m_kind == Kind::Codes)
        return !value->isEmpty();
    bool number = false;
    const double price = QString(*value).replace(',', '.').toDouble(&number);
    if (!number || price < 0) {
        m_prompter.Message("Моля, въведете цена - положително число.", MessageIcon::Exclamation);
        return false;
    }
    *value = QString::number(RoundHalfUp(price, 2), 'f', 2);
    return true;
}

bool PartnerItemValues::Store(int recId, int partnerId, const QString& value) {
    if (m_kind == Kind::Codes)
        return recId ? m_db.ExecPrintf("UPDATE stock_codes SET partner_code = ? WHERE rec_id = ?;",
                                       value, recId)
                     : m_db.ExecPrintf("INSERT INTO stock_codes (stock_code, partner_id, partner_code) VALUES (?, ?, ?);", m_item,
                                       partnerId, value);
    const double price = value.toDouble();
    return recId ? m_db.ExecPrintf("UPDATE stock_prices SET partner_price = ? WHERE rec_id = ?;",
                                   SqlDecimal{price, 5}, recId)
                 : m_db.ExecPrintf("INSERT INTO stock_prices (stock_code, partner_id, partner_price) VALUES (?, ?, ?);", m_item,
                                   partnerId, SqlDecimal{price, 5});
}

bool PartnerItemValues::Add(PartnerChooser& partners, TextInput& input) {
    const auto partner =
        partners.ChoosePartner(m_kind == Kind::Codes ? PartnerTab::All : PartnerTab::Customers, 0);
    if (!partner)
        return false;
    int recId = 0;
    QString initial;
    for (const Row& row : m_rows)
        if (row.partnerId == *partner) {
            recId = row.recId;
            initial = row.value;
        }
    QString value;
    return AskValue(input, initial, &value) && Store(recId, *partner, value) && Reload();
}

bool PartnerItemValues::Change(int index, TextInput& input) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return false;
    const Row row = m_rows[static_cast<size_t>(index)];
    QString value;
    return AskValue(input, row.value, &value) && Store(row.recId, row.partnerId, value) && Reload();
}

bool PartnerItemValues::Delete(int index) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return false;
    if (m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Question) !=
        Answer::Yes)
        return false;
    const int recId = m_rows[static_cast<size_t>(index)].recId;
    const bool deleted = m_kind == Kind::Codes
                             ? m_db.ExecPrintf("DELETE FROM stock_codes WHERE rec_id = ?;", recId)
                             : m_db.ExecPrintf("DELETE FROM stock_prices WHERE rec_id = ?;", recId);
    return deleted && Reload();
}
