#pragma once

struct sqlite3;

// Hands out the connection for each attempt of a statement; the session opens
// it on first use and may yield none (the user declined, creation failed).
class ConnectionSource {
public:
    virtual ~ConnectionSource() = default;
    virtual sqlite3* GetDatabase() = 0;
};

// A source over a handle that is already open (creation, version check).
class FixedConnectionSource : public ConnectionSource {
public:
    explicit FixedConnectionSource(sqlite3* handle) : m_handle(handle) {}
    sqlite3* GetDatabase() override { return m_handle; }

private:
    sqlite3* m_handle;
};
