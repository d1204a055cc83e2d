#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

class Connection;
struct sqlite3;

// A dump is untrusted input: while this guard lives, the connection runs
// only what an old shell's dump holds (CREATE TABLE, INDEX, VIEW, TRIGGER and
// INSERT, into the connection's own file) and cannot attach another file,
// so no statement of a dump reaches another firm's data or writes a file
// anywhere (ATTACH, VACUUM INTO, a COMMIT of its own, PRAGMA, DELETE ...).
class DumpGuard {
public:
    explicit DumpGuard(Connection& connection);
    ~DumpGuard();
    DumpGuard(const DumpGuard&) = delete;
    DumpGuard& operator=(const DumpGuard&) = delete;

    // The positions of the table's columns declared MEMO: their numeric
    // affinity would turn a digits-only text ("0123") into a number, so a
    // dump's values for them are stored as typed. Read from the prepared
    // statement's declared types; nothing runs.
    QSet<int> MemoColumns(const QString& table) const;

    // Whether the last statement was refused by the guard, not by SQL.
    bool Refused() const { return m_refused; }
    void ClearRefusal() { m_refused = false; }

private:
    static int Authorize(void* self, int action, const char* first, const char* second, const char* database,
                         const char* trigger);

    sqlite3* m_handle;
    int m_attachLimit = 0;
    bool m_refused = false;
};

// Where a dump's statements end, read line by line once: the scanner keeps
// whether it is inside a quoted string, a quoted name or a comment, so a
// statement whose quote was lost costs no more than its length.
class DumpScanner {
public:
    // Adds a line (with its line feed); true when a statement may end in it
    // (a semicolon outside quotes and comments), which the caller then
    // confirms with IsCompleteStatement (a trigger holds several).
    bool AddLine(const QByteArray& line, int lineNumber);
    // A statement ended: the lines after it begin anew.
    void StatementDone() { m_openAtLineEnd = 0; }
    // Inside a string or quoted name at the end: the first line of the
    // statement that ended inside one (where a lost quote began); else 0.
    int OpenQuoteLine() const { return m_quote != 0 ? m_openAtLineEnd : 0; }

private:
    char m_quote = 0; // ', ", ` or ] while inside one
    int m_openAtLineEnd = 0;
    bool m_blockComment = false;
};

// Whether the text is one or more whole SQL statements.
bool IsCompleteStatement(const QByteArray& sql);
