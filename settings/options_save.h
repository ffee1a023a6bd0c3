// The OK step of the options window: the chosen interval and unit written
// into a new settings file.
#pragma once

#include <cstdint>
#include <string_view>

class PreferenceStore;

// Creates the file at path (emptying an existing one) in place of what the
// store held, writes the settings group with the interval (the low 32 bits
// of parseInteger of the spin box's text, not limited to its range) and the
// exponent and label of the list position, and closes the store, which
// writes the file. False, with nothing written and the store closed, when
// the file cannot be created.
bool saveOptions(PreferenceStore& store, std::string_view path, std::string_view intervalText,
                 std::int32_t unitIndex);
