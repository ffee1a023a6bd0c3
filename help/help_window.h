// The help window (window 2): name, version, the scrollable help text, the
// credit line and the hidden button that plays the sound clip.
#pragma once

// Opens the help window and runs its own event loop until a close request
// from any of the program's windows; returns at once if the window cannot
// be opened.
void runHelpWindow();
