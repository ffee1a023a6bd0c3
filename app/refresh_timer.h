// When the main window's figures are due for a refresh.
#pragma once

#include <cstdint>

// Due when the tick count is past the last refresh tick plus the interval.
// The sum wraps in 32 bits and both sides compare as signed 32-bit numbers,
// so the wrap of the tick count keeps the normal period, while a sum that
// passes INT32_MAX makes every check due until the tick count passes it too.
bool isRefreshDue(std::uint32_t now, std::uint32_t lastRefresh, std::int32_t interval);
