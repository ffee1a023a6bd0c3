// The main window: the four figures with their captions, "Optionen",
// "Beenden" and the status line.
#pragma once

#include "monitor/memory_sample.h"
#include "settings/settings.h"
#include "ui/ui.h"

// Opens window 0 at the lower right of the display; false if it can't.
bool openMainWindow(const ui::ScreenSize& display);

// Creates the eleven controls, the value labels showing the sample.
void createMainControls(const MemorySample& sample, const Settings& settings);

// Rewrites the four value labels from the sample.
void refreshDisplay(const MemorySample& sample, const Settings& settings);
