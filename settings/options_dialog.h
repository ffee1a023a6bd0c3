// The options window: refresh interval and unit, shown from the settings
// file and written to a new settings file on OK.
#pragma once

// Opens the options window and runs its own event loop until OK,
// "Abbrechen" or a close request from any window of the program ends it.
// The main window is not refreshed meanwhile. Call commitSettings after it,
// however it ended.
void runOptionsDialog();
