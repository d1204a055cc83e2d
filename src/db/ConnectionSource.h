#pragma once

class Connection;

// Hands out the connection for each attempt of a statement; the session opens
// it on first use and may yield none (the user declined, creation failed).
class ConnectionSource {
public:
    virtual ~ConnectionSource() = default;
    virtual Connection* GetDatabase() = 0;
};

// A source over a connection that is already open (creation, version check).
class FixedConnectionSource : public ConnectionSource {
public:
    explicit FixedConnectionSource(Connection& connection) : m_connection(connection) {}
    Connection* GetDatabase() override { return &m_connection; }

private:
    Connection& m_connection;
};
