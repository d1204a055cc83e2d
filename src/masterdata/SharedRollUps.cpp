#include "masterdata/SharedRollUps.h"

#include "db/Database.h"
#include "masterdata/CostPrices.h"

SharedRollUps::SharedRollUps(Database& db) : m_db(db), m_change(db) {}

double SharedRollUps::CostOf(const QString& code) {
    // Without the shared change (the lock was not had) each roll-up still
    // takes its own.
    if (!m_change.Active() && !m_db.InTransaction())
        m_change.Begin();
    return GetItemCostPrice(m_db, code);
}

bool SharedRollUps::Finish() {
    return !m_change.Active() || m_change.Commit();
}
