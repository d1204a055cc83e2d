#include "masterdata/PartnersForm.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "lists/OtherTabMatches.h"
#include "masterdata/PartnerStore.h"

#include <algorithm>

namespace {
constexpr const char* kNotSaved = "Възникнала е грешка. Данните не са съхранени.";
constexpr const char* kNameTaken =
    "Вече има контрагент с това наименование. Моля, въведете друго наименование.";
} // namespace

int PartnersForm::RowOf(int partnerId) const {
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == partnerId)
            return static_cast<int>(i);
    return -1;
}

bool PartnersForm::Reload() {
    return LoadPartnerList(m_db, m_tab, m_search, m_rows);
}

bool PartnersForm::AskSearch(TextInput& input) {
    if (!m_search.Ask(input))
        return false;
    Reload();
    return true;
}

QStringList PartnersForm::TabTitles() {
    return {"клиенти и доставчици", "клиенти", "доставчици"};
}

std::optional<PartnerTab> PartnersForm::OfferOtherTab() {
    if (!m_rows.empty())
        return std::nullopt;
    const int chosen =
        OfferTabWithMatches(m_prompter, m_search.Text(), TabTitles(), static_cast<int>(m_tab), [this](int index) {
            std::vector<Partner> rows;
            return LoadPartnerList(m_db, static_cast<PartnerTab>(index), m_search, rows) ? static_cast<int>(rows.size())
                                                                                           : 0;
        });
    return chosen < 0 ? std::nullopt : std::optional(static_cast<PartnerTab>(chosen));
}

bool PartnersForm::Refresh() {
    m_search.Clear();
    return Reload();
}

// A name may not repeat, whatever its case: "ФИРМА ООД" and "Фирма ООД" are
// one firm typed twice.
std::optional<bool> PartnersForm::NameTaken(const QString& name) {
    QStringList names;
    if (!PartnerStore(m_db).Names(names))
        return std::nullopt;
    const QString folded = name.toCaseFolded();
    return std::any_of(names.begin(), names.end(),
                       [&folded](const QString& stored) { return stored.trimmed().toCaseFolded() == folded; });
}

bool PartnersForm::Save(Partner& record, bool isNew) {
    PartnerRules::Normalize(record);
    WriteTransaction t(m_db);
    if (!t.Begin()) {
        m_prompter.Message(kNotSaved, MessageIcon::Stop);
        return false;
    }
    if (isNew) {
        const std::optional<bool> taken = NameTaken(record.name);
        if (!taken)
            return t.Refuse(kNotSaved, MessageIcon::Stop);
        if (*taken)
            return t.Refuse(QString(kNotSaved) + "\n\n" + kNameTaken, MessageIcon::Stop);
        if (!PartnerStore(m_db).Insert(record))
            return t.Refuse(kNotSaved, MessageIcon::Stop);
    } else if (!PartnerStore(m_db).Update(record)) {
        return t.Refuse(kNotSaved, MessageIcon::Stop);
    }
    if (t.Commit())
        return true;
    m_prompter.Message(kNotSaved, MessageIcon::Stop);
    return false;
}

int PartnersForm::Create(PartnerEditor& editor) {
    Partner record;
    record.isCustomer = 0;
    record.isSupplier = 0;
    if (!editor.EditPartner(record, [this](Partner& typed) { return Save(typed, true); }))
        return -1;
    m_rows.push_back(record);
    return static_cast<int>(m_rows.size()) - 1;
}

bool PartnersForm::Edit(int row, PartnerEditor& editor) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return false;
    Partner record;
    if (!PartnerStore(m_db).Load(m_rows[static_cast<size_t>(row)].id, record))
        return false;
    if (!editor.EditPartner(record, [this](Partner& typed) { return Save(typed, false); }))
        return false;
    m_rows[static_cast<size_t>(row)] = record;
    return true;
}

bool PartnersForm::MayDelete(int partnerId) {
    return PartnerStore(m_db).InUse(partnerId) == false;
}

bool PartnersForm::Delete(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return false;
    if (m_prompter.AskYesNo("Потвърждавате ли изтриването на този контрагент?", MessageIcon::Question) !=
        Answer::Yes)
        return false;
    const int id = m_rows[static_cast<size_t>(row)].id;
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    if (!MayDelete(id))
        return t.Refuse("Изрбаният контрагент не може да бъде изтрит, защото участва в операции!",
                        MessageIcon::Exclamation);
    if (!PartnerStore(m_db).Delete(t, id) || !t.Commit())
        return false;
    m_rows.erase(m_rows.begin() + row);
    return true;
}
