// The message boxes of quitting and of fatal start-up errors.
#pragma once

#include <string_view>

#include "monitor/peak_records.h"

// The quit confirmation: true for Yes.
bool confirmQuit();

// Asks whether to show the statistics and shows them on Yes.
void showStatistics(const PeakRecords& records);

// Shows the error box titled "Fehler " + code. A fatal error then runs the
// end sequence and ends the process with exit code 0.
void reportError(std::string_view message, std::string_view code, bool fatal);
