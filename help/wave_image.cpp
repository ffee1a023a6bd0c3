#include "help/wave_image.h"

#include <cstring>

namespace {

constexpr std::uint64_t kChunkHeaderSize = 8;
constexpr std::uint64_t kFormatOffset = 20;

std::uint32_t readLe32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool idIs(const unsigned char* p, const char (&id)[5])
{
    return std::memcmp(p, id, 4) == 0;
}

}  // namespace

bool parseWaveImage(const unsigned char* image, std::size_t length, WaveImageView& out)
{
    // All offsets are 64-bit: a stated size near 4 GiB added to an offset
    // must not wrap around on a 32-bit build.
    const std::uint64_t end = length;
    if (image == nullptr || end < kFormatOffset) {
        return false;
    }
    if (!idIs(image, "RIFF") || !idIs(image + 12, "fmt ")) {
        return false;
    }
    const std::uint32_t formatSize = readLe32(image + 16);
    if (formatSize < kMinWaveFormatSize || formatSize > end - kFormatOffset) {
        return false;
    }

    std::uint64_t offset = kFormatOffset + formatSize;
    // Every step moves on by at least 8 bytes and stops once the next header
    // leaves the image, so the walk ends.
    while (offset <= end && end - offset >= kChunkHeaderSize) {
        const unsigned char* header = image + static_cast<std::size_t>(offset);  // offset < length here
        const std::uint32_t size = readLe32(header + 4);
        if (idIs(header, "data")) {
            if (size > end - offset - kChunkHeaderSize) {
                return false;
            }
            out.format = image + kFormatOffset;
            out.formatSize = formatSize;
            out.samples = header + kChunkHeaderSize;
            out.sampleSize = size;
            return true;
        }
        offset += kChunkHeaderSize + size;
    }
    return false;
}
