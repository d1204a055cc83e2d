#pragma once

#include "lists/SearchText.h"
#include "masterdata/PartnerChooser.h"
#include "masterdata/PartnerEditor.h"
#include "masterdata/PartnerList.h"
#include "masterdata/PartnerRules.h"

#include <functional>
#include <optional>

class Database;
class Prompter;
class TextInput;

// What the partners form and the selection dialog do with their list.
class PartnersForm {
public:
    PartnersForm(Database& db, Prompter& prompter) : m_db(db), m_prompter(prompter) {}

    PartnerTab Tab() const { return m_tab; }
    void SetTab(PartnerTab tab) { m_tab = tab; }
    const std::vector<Partner>& Rows() const { return m_rows; }
    const SearchText& Search() const { return m_search; }
    // The row of a partner, -1 when it is not in the list.
    int RowOf(int partnerId) const;

    bool Reload();
    // F3: asks for a search text and reloads; false when cancelled.
    bool AskSearch(TextInput& input);
    // After a search that found nothing in this tab: offers the first other
    // tab where it finds partners; the tab to show, if the user wants it.
    std::optional<PartnerTab> OfferOtherTab();
    static QStringList TabTitles();
    // F4: clears the search text and reloads.
    bool Refresh();
    // F5: a new partner, saved and appended to the list; its row or -1.
    int Create(PartnerEditor& editor);
    // F6: edits the partner of the row and saves it; true when saved.
    bool Edit(int row, PartnerEditor& editor);
    // F7: deletes the partner of the row after asking, unless documents name it.
    bool Delete(int row);

private:
    // Writes the record; a refusal has been shown. The name check, the new
    // id and the write hold one write lock.
    bool Save(Partner& record, bool isNew);
    // True when no goods note, delivery or cash entry names the partner (and
    // the checks could be made).
    bool MayDelete(int partnerId);
    // True when another partner has the name in any letter case; nothing
    // when the names could not be read.
    std::optional<bool> NameTaken(const QString& name);

    Database& m_db;
    Prompter& m_prompter;
    PartnerTab m_tab = PartnerTab::All;
    SearchText m_search;
    std::vector<Partner> m_rows;
};
