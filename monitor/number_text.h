// Number-to-text rules used on screen and in the settings file.
#pragma once

#include <cstdint>
#include <string>

// Fixed-point text of value with the given count of decimals, printed by the
// C library's sprintf: -1 means "%f" (six decimals), counts above 512 count
// as 512. Never an exponent form, always a point as separator.
std::string formatFixed(float value, std::int32_t decimals);

// Plain decimal text of a signed 64-bit value.
std::string formatInteger(std::int64_t value);
