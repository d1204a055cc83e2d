#include "lists/ui/TimedLoad.h"

#include "base/FormHost.h"
#include "base/OperationTimer.h"

#include <QApplication>

void RunTimedLoad(FormHost& host, const std::function<void()>& load) {
    OperationTimer timer(host.GetClock());
    timer.Start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    load();
    QApplication::restoreOverrideCursor();
    timer.Stop();
    host.SetDurationText(timer.StatusText());
}
