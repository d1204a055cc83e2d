#pragma once

#include "base/TextInput.h"

class LocalSettings;
class Prompter;

// Edits the field separator of exported CSV files; an empty one is refused.
// True when a new value was stored.
bool EditCsvSeparator(LocalSettings& settings, Prompter& prompter, TextInput& input);
