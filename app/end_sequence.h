// Releases everything the program holds, in one place and order: the sound
// layer, the preferences store, then windows, controls and fonts.
#pragma once

void runEndSequence();
