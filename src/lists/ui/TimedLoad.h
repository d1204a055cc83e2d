#pragma once

#include <functional>

class FormHost;

// Runs a list's load under the wait cursor and puts its duration
// ("%.2f сек.") into the status bar.
void RunTimedLoad(FormHost& host, const std::function<void()>& load);
