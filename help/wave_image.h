// The chunk walk over a RIFF WAVE image held in memory: finds the wave
// format (the fmt chunk's data) and the sample bytes (the data chunk's
// content) without copying anything and without reading outside the image.
#pragma once

#include <cstddef>
#include <cstdint>

// Spans inside the image that parseWaveImage was given.
struct WaveImageView {
    const unsigned char* format = nullptr;  // fmt chunk data, from offset 20
    std::uint32_t formatSize = 0;           // the fmt chunk's stated size
    const unsigned char* samples = nullptr; // data chunk content
    std::uint32_t sampleSize = 0;           // the data chunk's stated size
};

// The fmt chunk's leading PCM fields the device needs.
inline constexpr std::uint32_t kMinWaveFormatSize = 16;

// The image must start with "RIFF" and have "fmt " at offset 12; the RIFF
// size and the form type at offset 8 are not looked at. The fmt chunk must
// hold at least kMinWaveFormatSize bytes and lie inside the image. The data
// chunk is searched from right after the fmt chunk, moving over other
// chunks by 8 plus their stated size (no pad byte). Fails on a chunk header
// not wholly inside the image and on a data chunk running past its end.
// On failure out is left unchanged.
bool parseWaveImage(const unsigned char* image, std::size_t length, WaveImageView& out);
