// Float to integer conversions that round to the nearest value, ties to
// even, independent of the floating-point environment.
#pragma once

#include <cstdint>

// Both give false and leave out untouched for not-a-number or out of range.
bool roundHalfEvenToInt32(float value, std::int32_t& out);
bool roundHalfEvenToInt64(float value, std::int64_t& out);
