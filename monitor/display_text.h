// The texts built from samples and records: the main window's value labels
// and the statistics box.
#pragma once

#include <string>
#include <string_view>

#include "monitor/memory_sample.h"
#include "monitor/peak_records.h"

// A scaled figure with two decimals, two blanks and the unit label as stored.
std::string memoryValueText(float value, std::string_view unitLabel);

// The load rounded to a whole number, ties to even, then "  %".
std::string loadValueText(float load);

// The three lines of the statistics box, joined by single line feeds.
std::string statisticsText(const PeakRecords& records);
