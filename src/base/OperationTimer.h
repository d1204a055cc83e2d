#pragma once

#include <QString>

class Clock;

// A stopwatch for long operations; their duration goes to the status bar.
class OperationTimer {
public:
    explicit OperationTimer(const Clock& clock) : m_clock(clock) {}

    void Start();
    // Stores and returns the seconds since Start.
    double Stop();
    double Elapsed() const { return m_elapsed; }
    // The duration as the status bar shows it.
    QString StatusText() const;

private:
    const Clock& m_clock;
    long long m_startMs = 0;
    double m_elapsed = 0;
};
