#pragma once

#include "db/ResultTable.h"
#include "db/WriteTransaction.h"

#include <QString>
#include <initializer_list>

class Database;
class Prompter;

// What old versions kept in the user's own settings file and the upgrades
// move into the database.
struct UpgradeLocalValues {
    int invQttyPriceChanges = 0;
    QString firmName;
    QString firmCity;
    QString firmAddress;
    QString firmMol;
};

// What the upgrade steps work with.
struct UpgradeContext {
    Database& db;
    Prompter& prompter;
    UpgradeLocalValues local;
    // The steps build a new file from a dump, which a failure leaves behind
    // whole: no file stays in an older format.
    bool buildingFromDump = false;
};

// The frame of one step: one transaction; every statement that fails rolls
// the whole step back and is shown with the library's text, so nothing is
// half-copied; Finish writes the new version, commits and tells it.
class UpgradeStep {
public:
    UpgradeStep(UpgradeContext& context, int version);

    bool Begin() { return m_transaction.Begin(); }
    bool Ok() const { return m_ok && m_transaction.Active(); }

    // Sent as it stands (a '%' stays a '%').
    bool Exec(const QString& sql) { return Exec(SqlStatement(sql.toUtf8())); }
    bool Exec(const char* sql) { return Exec(SqlStatement(sql)); }
    bool Exec(const SqlStatement& sql);
    template <typename... Args> bool ExecPrintf(const char* format, const Args&... args) {
        return Exec(SqlCompose(format, {SqlArg(args)...}));
    }
    bool Query(const QString& sql, ResultTable& table) { return Query(SqlStatement(sql.toUtf8()), table); }
    bool Query(const char* sql, ResultTable& table) { return Query(SqlStatement(sql), table); }
    bool Query(const SqlStatement& sql, ResultTable& table);

    // The copy pattern: the rows are kept aside in a temporary table, the
    // table is made again in the layout of `layoutVersion`, and every column
    // the two layouts share is copied back (new columns take their defaults).
    bool Rebuild(const QString& table) { return Rebuild(table, m_version); }
    bool Rebuild(const QString& table, int layoutVersion);
    bool Create(const QString& table) { return Create(table, m_version); }
    bool Create(const QString& table, int layoutVersion);
    // Indexes as "name:column" ("!name:column" for a unique one) of a table.
    bool Indexes(const QString& table, std::initializer_list<const char*> indexes);
    // Before a unique index: values that repeat are told, and with the
    // user's consent the later rows get free ones (a number after the
    // largest, or the text with "-2", "-3" ...), listed in a file beside the
    // database; a refusal fails the step.
    bool ResolveDuplicates(const QString& table, const QString& column);
    // Drops every index whose name begins with idx or IDX and creates today's.
    bool RenewIndexes();

    // Appends the changes to the list beside the database; its path.
    QString WriteChangeList(const QStringList& changes);
    // Writes the version and commits.
    bool Commit();
    // The success message.
    void Announce();
    bool Finish() {
        if (!Commit())
            return false;
        Announce();
        return true;
    }

    UpgradeContext& Context() { return m_context; }

private:
    bool Fail(const QString& sql, const QByteArray& error);

    UpgradeContext& m_context;
    int m_version;
    WriteTransaction m_transaction;
    bool m_ok = true;
};
