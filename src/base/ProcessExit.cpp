#include "base/ProcessExit.h"

#include <cstdio>
#include <cstdlib>

void SystemProcessExit::Exit(int status) {
    std::fflush(nullptr);
    std::exit(status);
}
