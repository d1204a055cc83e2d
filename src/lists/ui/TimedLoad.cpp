#include "lists/ui/TimedLoad.h"

#include "base/FormHost.h"
#include "base/OperationTimer.h"
#include "base/ui/WaitCursor.h"

void RunTimedLoad(FormHost& host, const std::function<void()>& load) {
    OperationTimer timer(host.GetClock());
    timer.Start();
    {
        WaitCursor busy;
        load();
    }
    timer.Stop();
    host.SetDurationText(timer.StatusText());
}
