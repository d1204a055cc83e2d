#pragma once

#include "masterdata/PartnerValueStore.h"

#include <QString>
#include <vector>

class Database;
class PartnerChooser;
class Prompter;
class TextInput;

// A partner's own code for an item, or a partner's special price for it:
// the two lists reached from the item dialogs.
class PartnerItemValues {
public:
    using Kind = PartnerValueKind;
    struct Row {
        int recId = 0;
        int partnerId = 0;
        QString partnerName;
        QString value; // the code, or the price with 2 decimals
    };

    PartnerItemValues(Database& db, Prompter& prompter, Kind kind, QString itemCode)
        : m_db(db), m_prompter(prompter), m_kind(kind), m_item(std::move(itemCode)) {}

    QString Title() const;
    QString ValueTitle() const;
    const std::vector<Row>& Rows() const { return m_rows; }
    bool Reload();

    // A value for a partner chosen in the partner selection; a partner that
    // has one already gets it replaced.
    bool Add(PartnerChooser& partners, TextInput& input);
    bool Change(int index, TextInput& input);
    bool Delete(int index);

private:
    // The typed value, checked; false when cancelled or refused.
    bool AskValue(TextInput& input, const QString& initial, QString* value);
    bool Store(int recId, int partnerId, const QString& value);

    Database& m_db;
    Prompter& m_prompter;
    Kind m_kind;
    QString m_item;
    std::vector<Row> m_rows;
};
