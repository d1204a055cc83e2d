#pragma once

#include "masterdata/Partner.h"
#include "masterdata/PartnerList.h"

#include <QStringList>
#include <optional>
#include <vector>

class Database;
class WriteTransaction;

// The statements of `partners`, the customers and suppliers.
class PartnerStore {
public:
    explicit PartnerStore(Database& db) : m_db(db) {}

    // 0 when there are no partners or the read failed.
    int MaxId();
    // Refuses a name in use; gives the record the next free id. The check, the
    // numbering and the insert hold one write lock, so two seats saving the same
    // name or at the same moment never collide.
    bool Insert(Partner& record);
    bool Update(const Partner& record);
    // True when found; empty Latin fields take their Cyrillic twins.
    bool Load(int id, Partner& record);
    // Nothing when there is no such partner or the read failed (reported).
    std::optional<QString> Name(int id);
    // Every partner's name as stored.
    bool Names(QStringList& names);
    // The partners of a tab in name order, as stored.
    bool List(PartnerTab tab, std::vector<Partner>& out);
    // Whether a goods note, a delivery or a cash operation names the partner;
    // nothing when unreadable.
    std::optional<bool> InUse(int id);
    bool Delete(WriteTransaction& t, int id);

    // The partner of a goods note (kind 1) or an invoice (kind 2); 0 when missing.
    int DocumentPartnerId(int docId, int kind);

private:
    // True when the name is taken, and also when the read failed.
    bool NameExists(const QString& name);

    Database& m_db;
};
