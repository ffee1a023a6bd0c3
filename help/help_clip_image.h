// The sound clip of the help window: a complete RIFF WAVE image (PCM mono,
// 22,050 Hz, 16 bit) in the program's constant data.
#pragma once

#include <cstddef>

extern const unsigned char helpClipImage[];
extern const std::size_t helpClipImageSize;
