#include "base/Sleeper.h"

#include <chrono>
#include <thread>

void ThreadSleeper::Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
