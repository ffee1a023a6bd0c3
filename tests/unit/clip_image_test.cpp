#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "help/help_clip_image.h"

namespace {

std::uint32_t le32(std::size_t offset)
{
    return static_cast<std::uint32_t>(helpClipImage[offset]) |
           static_cast<std::uint32_t>(helpClipImage[offset + 1]) << 8 |
           static_cast<std::uint32_t>(helpClipImage[offset + 2]) << 16 |
           static_cast<std::uint32_t>(helpClipImage[offset + 3]) << 24;
}

std::uint16_t le16(std::size_t offset)
{
    return static_cast<std::uint16_t>(helpClipImage[offset] | helpClipImage[offset + 1] << 8);
}

TEST(HelpClipImage, IsAPlainPcmWaveImage)
{
    ASSERT_GE(helpClipImageSize, 44u);
    EXPECT_EQ(std::memcmp(helpClipImage, "RIFF", 4), 0);
    EXPECT_EQ(le32(4), helpClipImageSize - 8);
    EXPECT_EQ(std::memcmp(helpClipImage + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(le32(16), 16u);
    EXPECT_EQ(le16(20), 1u);       // PCM
    EXPECT_EQ(le16(22), 1u);       // mono
    EXPECT_EQ(le32(24), 22050u);
    EXPECT_EQ(le32(28), 44100u);
    EXPECT_EQ(le16(32), 2u);
    EXPECT_EQ(le16(34), 16u);
    EXPECT_EQ(std::memcmp(helpClipImage + 36, "data", 4), 0);
    EXPECT_EQ(le32(40), helpClipImageSize - 44) << "the data chunk ends the image";
    // About 2.8 seconds of sound.
    const double seconds = static_cast<double>(le32(40)) / 44100.0;
    EXPECT_NEAR(seconds, 2.8, 0.1);
}

TEST(HelpClipImage, IsAudibleFromItsStart)
{
    int loudest = 0;
    for (std::size_t i = 44; i < 44 + 2 * 1102; i += 2) {
        const int sample = static_cast<std::int16_t>(le16(i));
        loudest = sample > loudest ? sample : (-sample > loudest ? -sample : loudest);
    }
    EXPECT_GT(loudest, 4000) << "the first 50 ms must be clearly audible";
}

}  // namespace
