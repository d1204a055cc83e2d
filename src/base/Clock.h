#pragma once

#include <QDateTime>

// "Now" for the whole program; tests use a fixed clock they can move.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    // A monotonic millisecond count for measuring durations.
    virtual qint64 ElapsedMs() const = 0;
};

class SystemClock : public Clock {
public:
    SystemClock();
    QDateTime Now() const override;
    qint64 ElapsedMs() const override;

private:
    qint64 m_startNs;
};
