#pragma once

#include <QString>

class Prompter;

// The desktop calculator: the first of the known calculators found on PATH.
QString FindCalculator();
// Starts it detached; tells the user when none is installed or it cannot start.
bool StartCalculator(Prompter& prompter);
