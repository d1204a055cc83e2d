#include "base/Clock.h"

#include <chrono>

namespace {
qint64 monotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

SystemClock::SystemClock() : m_startNs(monotonicNs()) {}

QDateTime SystemClock::Now() const {
    return QDateTime::currentDateTime();
}

qint64 SystemClock::ElapsedMs() const {
    return (monotonicNs() - m_startNs) / 1000000;
}
