#pragma once

#include "db/SqlFormat.h"

#include <QByteArray>

class Database;

// An all-or-nothing change. Begin takes the write lock at once (BEGIN
// IMMEDIATE, with the busy retry), so two writers queue instead of
// deadlocking; if it cannot be had, nothing has been written. A statement
// that fails is reported and the transaction rolled back; a transaction
// still open when this object goes away is rolled back.
class WriteTransaction {
public:
    explicit WriteTransaction(Database& db) : m_db(db) {}
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool Begin();
    bool Exec(const QByteArray& sql);
    template <typename... Args>
    bool ExecPrintf(const char* format, const Args&... args) {
        const auto sql = SqlFormat(format, {SqlArg(args)...});
        return Exec(sql ? *sql : QByteArray());
    }
    bool Commit();
    void Rollback();
    bool Active() const { return m_active; }

private:
    Database& m_db;
    bool m_active = false;
};
