#include "base/OperationTimer.h"

#include "base/Clock.h"

void OperationTimer::Start() {
    m_startMs = m_clock.ElapsedMs();
}

double OperationTimer::Stop() {
    m_elapsed = static_cast<double>(m_clock.ElapsedMs() - m_startMs) * 0.001;
    return m_elapsed;
}

QString OperationTimer::StatusText() const {
    return QString::asprintf("%.2f сек.", m_elapsed);
}
