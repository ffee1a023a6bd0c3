// The three units of the options window's list and how a list position
// maps to the settings keys UnitData (exponent) and UnitName (label).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// List entries at positions 0, 1 and 2.
inline constexpr const char* kUnitEntries[] = {"Kilobyte", "Megabyte", "Gigabyte"};

// 0, 1 or 2 for the list positions 0 to 2; 0 for any other (none selected).
std::int32_t unitIndexToExponent(std::int32_t index);
// "KB", "MB" or "GB" for the list positions 0 to 2; "" for any other.
std::string unitIndexToName(std::int32_t index);
// The list position of a label, compared byte for byte: "KB" 0, "MB" 1,
// "GB" 2, and 0 for every other text ("mb" included).
std::int32_t unitNameToIndex(std::string_view name);
