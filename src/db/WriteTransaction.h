#pragma once

#include "base/Prompter.h"
#include "db/SqlStatement.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class Database;
class SqlDialect;

// An all-or-nothing change, and the one place where a change checks, numbers
// and writes. Begin takes the write lock at once (BEGIN IMMEDIATE, with the
// busy retry), so two writers queue instead of deadlocking and a check made
// after Begin holds until Commit; if the lock cannot be had, nothing has been
// written. A statement that fails rolls the transaction back; a transaction
// still open when this object goes away is rolled back.
//
// Begun while another change is open on the connection, it becomes a
// savepoint inside it: its own failure undoes only its own writes, and the
// outer change decides about the rest.
//
// No box waits for the user while the file is locked: failures reported and
// refusals made during the change are shown when the outermost change ends.
class WriteTransaction {
public:
    explicit WriteTransaction(Database& db) : m_db(db) {}
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool Begin();
    bool Exec(const SqlStatement& sql);
    template <typename... Args> bool ExecPrintf(const char* format, const Args&... args) {
        return Exec(SqlCompose(format, {SqlArg(args)...}));
    }
    // The rows the last statement inserted, changed or deleted.
    long long ChangedRows() const;
    // Runs an INSERT ... RETURNING of one column (the new row's id) and gives
    // its value; nothing when it failed, which ends the change.
    std::optional<long long> InsertReturning(const SqlStatement& sql);
    // Deletes the rows of document `docId` from each of the tables.
    bool DeleteDocumentRows(std::initializer_list<const char*> tables, int docId);
    bool Commit();
    void Rollback();
    bool Active() const { return m_active; }
    // The dialect of the engine the change runs on.
    const SqlDialect& Dialect() const;

    // A check made under the lock failed: rolls back and shows the message
    // once the lock is released. Always false, so a caller returns it.
    bool Refuse(const QString& text, MessageIcon icon, const QString& caption = QString());
    // Keeps a message until the change ends (see Database::ReportDbError).
    void Defer(const QString& text, MessageIcon icon, const QString& caption = QString());

private:
    struct Message {
        QString text;
        MessageIcon icon;
        QString caption;
    };
    void End();
    void ShowMessages();

    Database& m_db;
    WriteTransaction* m_parent = nullptr;
    QByteArray m_savepointName;
    bool m_savepoint = false;
    bool m_active = false;
    std::vector<Message> m_messages;
};
