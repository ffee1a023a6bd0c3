// Platform seam of the sound layer: the sound device and its playback
// buffers. One backend per platform is chosen by the build; the sound layer
// keeps all the rules about when each call is made.
#pragma once

#include <cstdint>

// A playback buffer made by the device; opaque to the caller.
struct SoundBuffer;

// Opens the default sound device for playback with its primary buffer. On
// failure nothing stays open.
bool openSoundDevice();

// Releases the primary buffer, the device and the window it was bound to.
// Only after a successful openSoundDevice, and after every buffer has been
// released.
void closeSoundDevice();

// Makes a static playback buffer in the given wave format (the fmt chunk's
// data of a WAVE image, formatSize bytes) holding a copy of the sample
// bytes, ready to play. Null on failure. Only while the device is open.
SoundBuffer* createSoundBuffer(const unsigned char* format, std::uint32_t formatSize,
                               const unsigned char* samples, std::uint32_t sampleSize);

// Stops the buffer, rewinds it and starts it once from its first byte;
// returns whether the start succeeded. Playback goes on after the return.
bool restartSoundBuffer(SoundBuffer* buffer);

// Frees the buffer; a buffer that sounds falls silent.
void releaseSoundBuffer(SoundBuffer* buffer);
