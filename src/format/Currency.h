#pragma once

// The currency amounts are kept and written in: leva, as every file without
// a currency setting, or euro.
enum class Currency { BGN, EUR };
