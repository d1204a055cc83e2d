// Every test program fails a test that reads a column its result lacks.
#include "db/UnknownColumn.h"

#include <gtest/gtest.h>

namespace {
const bool installed = [] {
    SetUnknownColumnHandler([](const char* name, const char* columns) {
        ADD_FAILURE() << "the result has no column \"" << name << "\"; it has: " << columns;
    });
    return true;
}();
} // namespace
