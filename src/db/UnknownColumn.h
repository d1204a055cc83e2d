#pragma once

// What happens when a result is asked for a column it does not have: in the
// program the cell reads as NULL (the reader's default); the tests set a
// handler that fails the test, so a misspelt or missing name is found.
using UnknownColumnHandler = void (*)(const char* name, const char* columns);
void SetUnknownColumnHandler(UnknownColumnHandler handler);
