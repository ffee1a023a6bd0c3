// How the options window reads a number from its spin box's text.
#pragma once

#include <cstdint>
#include <string_view>

// Leading blanks and tabs, one optional sign directly before the number,
// then "$" and hexadecimal digits, "%" and binary digits, or decimal
// digits, read up to the first other character. No digits give 0; the
// value wraps around modulo 2^64 instead of overflowing.
std::int64_t parseInteger(std::string_view text);

// The low 32 bits of a value, as a signed 32-bit integer: how a parsed
// number is stored as an integer setting.
std::int32_t lowInteger32(std::int64_t value);
