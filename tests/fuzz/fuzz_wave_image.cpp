// Feeds arbitrary bytes to the WAVE chunk walk and checks that what it finds
// lies inside the input and follows its rules. Out-of-bounds reads during
// the walk are caught by the sanitizers.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "help/wave_image.h"

namespace {

bool inside(const unsigned char* span, std::uint32_t size, const unsigned char* begin, std::size_t length)
{
    if (span < begin) {
        return false;
    }
    const std::size_t offset = static_cast<std::size_t>(span - begin);
    return offset <= length && size <= length - offset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // An exact copy so that a read past the end is a heap overflow.
    std::unique_ptr<unsigned char[]> image(new unsigned char[size]);
    if (size > 0) {
        std::memcpy(image.get(), data, size);
    }
    const unsigned char* begin = image.get();
    WaveImageView view;
    if (!parseWaveImage(begin, size, view)) {
        return 0;
    }
    if (!inside(view.format, view.formatSize, begin, size) || !inside(view.samples, view.sampleSize, begin, size)) {
        std::abort();
    }
    // The format is the fmt chunk's data at 20 with its stated size; the
    // samples follow their own "data" header, after the fmt chunk.
    const std::uint32_t statedFormatSize = static_cast<std::uint32_t>(begin[16]) |
                                           (static_cast<std::uint32_t>(begin[17]) << 8) |
                                           (static_cast<std::uint32_t>(begin[18]) << 16) |
                                           (static_cast<std::uint32_t>(begin[19]) << 24);
    if (std::memcmp(begin, "RIFF", 4) != 0 || std::memcmp(begin + 12, "fmt ", 4) != 0 ||
        view.format != begin + 20 || view.formatSize != statedFormatSize || view.formatSize < kMinWaveFormatSize) {
        std::abort();
    }
    const unsigned char* header = view.samples - 8;
    const std::uint32_t statedSampleSize = static_cast<std::uint32_t>(header[4]) |
                                           (static_cast<std::uint32_t>(header[5]) << 8) |
                                           (static_cast<std::uint32_t>(header[6]) << 16) |
                                           (static_cast<std::uint32_t>(header[7]) << 24);
    if (header < view.format + view.formatSize || std::memcmp(header, "data", 4) != 0 ||
        view.sampleSize != statedSampleSize) {
        std::abort();
    }
    return 0;
}
