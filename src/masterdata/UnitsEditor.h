#pragma once

#include <QStringList>

class Database;
class Prompter;

// What the units editor "мерни единици" does: add, rename (rewriting the
// items that use the unit) and the two-step delete with a replacement.
class UnitsEditor {
public:
    UnitsEditor(Database& db, Prompter& prompter) : m_db(db), m_prompter(prompter) {}

    const QStringList& Units() const { return m_units; }
    bool Reload();

    // The user picked a row: its text goes to the edit box and is
    // remembered as the unit being changed. Nothing is remembered until then.
    void Select(const QString& unit) { m_changing = unit; }
    const QString& Changing() const { return m_changing; }
    const QString& PendingDeletion() const { return m_pending; }

    // Adds the typed unit, or renames the remembered one to it; a rename
    // that changes items asks first, naming both units and the count.
    bool Save(const QString& typed);
    // Delete pressed with a row selected (first or second step).
    bool Delete(const QString& selected);
    // Drops the pending deletion and the remembered unit.
    bool Refresh();

private:
    Database& m_db;
    Prompter& m_prompter;
    QStringList m_units;
    QString m_changing;
    QString m_pending;
};
