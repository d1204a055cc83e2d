#include "masterdata/PartnerItemValues.h"

#include "base/Prompter.h"
#include "base/TextInput.h"
#include "db/WriteTransaction.h"
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
    std::vector<PartnerValueStore::Entry> entries;
    if (!PartnerValueStore(m_db, m_kind).List(m_item, entries))
        return false;
    for (const auto& e : entries)
        // A partner deleted since shows as a dash.
        m_rows.push_back({e.recId, e.partnerId, e.partnerName.value_or("-"),
                          m_kind == Kind::Codes ? e.code : FormatNumber(e.price, 2)});
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
    WriteTransaction t(m_db);
    return t.Begin() &&
           PartnerValueStore(m_db, m_kind)
               .Write(t, recId, m_item, partnerId, value, m_kind == Kind::Prices ? value.toDouble() : 0.0) &&
           t.Commit();
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
    WriteTransaction t(m_db);
    return t.Begin() && PartnerValueStore(m_db, m_kind).Delete(t, recId) && t.Commit() && Reload();
}
