#pragma once

#include <QStringList>
#include <optional>

class Database;
class WriteTransaction;

// The statements of the `units` table and of the items' unit that follows a
// renamed or replaced unit. Every write goes through the change it is given.
class UnitStore {
public:
    explicit UnitStore(Database& db) : m_db(db) {}

    // Every unit in alphabetical order; false when the read failed.
    bool All(QStringList& units);
    // The items measured in the unit; nothing when unreadable.
    std::optional<int> ItemsUsing(const QString& unit);

    // Adds the unit unless it is there already.
    bool Add(WriteTransaction& t, const QString& unit);
    // Renames the unit and every item measured in it.
    bool Rename(WriteTransaction& t, const QString& from, const QString& to);
    bool Delete(WriteTransaction& t, const QString& unit);
    // Deletes the unit and measures its items in another one.
    bool Replace(WriteTransaction& t, const QString& unit, const QString& by);

private:
    Database& m_db;
};
