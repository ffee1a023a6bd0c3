// The sound layer: one process-wide sound device and a table of clips, each
// a RIFF WAVE image turned into a playback buffer under a clip number.
// Every failure only leaves the program silent; nothing is ever shown.
#pragma once

#include <cstddef>

// Opens the sound device; once it is open, returns true at once and
// changes nothing.
bool initSound();

// Makes a clip of the WAVE image under the non-negative number, replacing
// (and silencing) the clip held there before. The image is checked before
// the device is touched. A failed load keeps the earlier clip.
bool loadClip(int number, const unsigned char* image, std::size_t length);

// Plays the clip under the number once from its first sample, cutting off
// and restarting it if it sounds. False if no clip is held there.
bool playClip(int number);

// Releases every clip, then the device. Does nothing if initSound was never
// called; afterwards the layer is as if it had never been used.
void shutdownSound();
