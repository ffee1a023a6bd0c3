#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "help/wave_image.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes le32(std::uint32_t v)
{
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

Bytes filler(std::size_t count, unsigned char first = 0x10)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<unsigned char>(first + i);
    }
    return bytes;
}

// A chunk header with a stated size, followed by whatever content is given
// (which need not match the size).
Bytes chunk(const char* id, std::uint32_t size, const Bytes& content = {})
{
    return text(id) + le32(size) + content;
}

Bytes riff(const char* form = "WAVE", std::uint32_t size = 0) { return text("RIFF") + le32(size) + text(form); }

// PCM mono 22,050 Hz 16-bit.
Bytes pcmFormat()
{
    return Bytes{1, 0, 1, 0} + le32(22050) + le32(44100) + Bytes{2, 0, 16, 0};
}

Bytes fmt() { return chunk("fmt ", 16, pcmFormat()); }

// A heap block of exactly the image's length, so that the sanitizer catches
// any read past its end.
struct ExactImage {
    explicit ExactImage(const Bytes& bytes) : data(new unsigned char[bytes.size()]), length(bytes.size())
    {
        std::copy(bytes.begin(), bytes.end(), data.get());
    }
    std::unique_ptr<unsigned char[]> data;
    std::size_t length;
};

struct Span {
    std::size_t offset;
    std::uint32_t size;
};

struct WaveCase {
    const char* name;
    Bytes image;
    bool accepted;
    Span format{};   // offsets into the image, when accepted
    Span samples{};
};

void PrintTo(const WaveCase& c, std::ostream* os) { *os << c.name; }

WaveCase refused(const char* name, Bytes image) { return {name, std::move(image), false}; }
WaveCase loads(const char* name, Bytes image, Span format, Span samples)
{
    return {name, std::move(image), true, format, samples};
}

class ParseWaveImage : public ::testing::TestWithParam<WaveCase> {};

TEST_P(ParseWaveImage, FindsFormatAndSamplesOrRefuses)
{
    const WaveCase& c = GetParam();
    const ExactImage image(c.image);
    const unsigned char sentinel = 0;
    WaveImageView view{&sentinel, 7, &sentinel, 9};
    const bool result = parseWaveImage(image.data.get(), image.length, view);
    ASSERT_EQ(result, c.accepted);
    if (!c.accepted) {
        EXPECT_EQ(view.format, &sentinel) << "a refused image leaves the view alone";
        EXPECT_EQ(view.formatSize, 7u);
        EXPECT_EQ(view.samples, &sentinel);
        EXPECT_EQ(view.sampleSize, 9u);
        return;
    }
    EXPECT_EQ(view.format, image.data.get() + c.format.offset);
    EXPECT_EQ(view.formatSize, c.format.size);
    EXPECT_EQ(view.samples, image.data.get() + c.samples.offset);
    EXPECT_EQ(view.sampleSize, c.samples.size);
}

// Offsets below: RIFF header 0..12, fmt header 12..20, PCM fields 20..36.
INSTANTIATE_TEST_SUITE_P(
    Images, ParseWaveImage,
    ::testing::Values(
        loads("Canonical", riff("WAVE", 44 + 6 - 8) + fmt() + chunk("data", 6, filler(6)), {20, 16}, {44, 6}),
        loads("EmptyDataAtTheEnd", riff() + fmt() + chunk("data", 0), {20, 16}, {44, 0}),
        loads("BytesAfterTheDataChunk", riff() + fmt() + chunk("data", 2, filler(2)) + filler(5), {20, 16},
              {44, 2}),
        loads("OtherFormType", riff("AVI ") + fmt() + chunk("data", 4, filler(4)), {20, 16}, {44, 4}),
        loads("RiffSizeNotLooked", riff("WAVE", 0xFFFFFFFFu) + fmt() + chunk("data", 4, filler(4)), {20, 16},
              {44, 4}),
        loads("ChunkBetweenFmtAndDataSkipped",
              riff() + fmt() + chunk("LIST", 6, filler(6)) + chunk("data", 4, filler(4)), {20, 16}, {58, 4}),
        loads("SeveralChunksSkipped",
              riff() + fmt() + chunk("junk", 0) + chunk("fact", 4, le32(2)) + chunk("data", 2, filler(2)),
              {20, 16}, {64, 2}),
        loads("OddSizeSkippedWithoutPadByte",
              riff() + fmt() + chunk("junk", 3, filler(3)) + chunk("data", 2, filler(2)), {20, 16}, {55, 2}),
        loads("LongerFmtChunk", riff() + chunk("fmt ", 18, pcmFormat() + Bytes{0, 0}) + chunk("data", 2, filler(2)),
              {20, 18}, {46, 2}),
        loads("DataIdInsideSkippedChunkIgnored",
              riff() + fmt() + chunk("LIST", 12, chunk("data", 4, filler(4))) + chunk("data", 1, filler(1)),
              {20, 16}, {64, 1}),

        refused("NotRiff", text("RIFX") + le32(0) + text("WAVE") + fmt() + chunk("data", 2, filler(2))),
        refused("LowerCaseRiff", text("riff") + le32(0) + text("WAVE") + fmt() + chunk("data", 2, filler(2))),
        refused("ChunkBeforeFmt", riff() + chunk("LIST", 4, filler(4)) + fmt() + chunk("data", 2, filler(2))),
        refused("FmtWithoutBlank", riff() + chunk("fmt\0", 16, pcmFormat()) + chunk("data", 2, filler(2))),
        refused("FmtShorterThanPcmFields",
                riff() + chunk("fmt ", 14, filler(14)) +
                    chunk("data", 2, filler(2))),
        refused("FmtSizeZero", riff() + chunk("fmt ", 0) + chunk("data", 2, filler(2))),
        refused("FmtRunsPastEnd", riff() + chunk("fmt ", 17, pcmFormat())),
        refused("FmtSizeHuge", riff() + chunk("fmt ", 0xFFFFFFFFu, pcmFormat()) + chunk("data", 2, filler(2))),
        refused("NoDataChunk", riff() + fmt()),
        refused("OnlyOtherChunks", riff() + fmt() + chunk("LIST", 4, filler(4)) + chunk("junk", 0)),
        refused("DataHeaderCut", riff() + fmt() + text("data") + Bytes{4, 0}),
        refused("DataTruncated", riff() + fmt() + chunk("data", 100, filler(10))),
        refused("DataOneByteShort", riff() + fmt() + chunk("data", 7, filler(6))),
        refused("DataSizeHuge", riff() + fmt() + chunk("data", 0xFFFFFFFFu, filler(8))),
        // 36 + 8 + 0xFFFFFFF8 wraps to 36 in 32 bits.
        refused("DataSizeWrapsOffset", riff() + fmt() + chunk("data", 0xFFFFFFF8u, filler(8))),
        refused("SkippedChunkRunsPastEnd", riff() + fmt() + chunk("LIST", 100, filler(4))),
        refused("SkippedChunkSizeHuge", riff() + fmt() + chunk("LIST", 0xFFFFFFFFu) + chunk("data", 2, filler(2))),
        // The fmt data at 20..44 holds a "data" header at 28; skipping the
        // chunk at 44 by 8 + 0xFFFFFFE8 wraps to 28 in 32 bits.
        refused("SkipWrapsBackIntoImage",
                riff() + chunk("fmt ", 24, Bytes(8) + chunk("data", 4, filler(4)) + Bytes(4)) +
                    chunk("junk", 0xFFFFFFE8u, filler(8))),
        refused("Empty", Bytes{}),
        refused("RiffOnly", text("RIFF")),
        refused("HeaderOnly", riff()),
        refused("HeaderAndFmtIdOnly", riff() + text("fmt ")),
        refused("FmtSizeCut", riff() + text("fmt ") + Bytes{16, 0, 0})),
    [](const ::testing::TestParamInfo<WaveCase>& info) { return info.param.name; });

TEST(ParseWaveImage, EveryCutOfAValidImageIsRefused)
{
    const Bytes whole = riff() + fmt() + chunk("LIST", 3, filler(3)) + chunk("data", 10, filler(10));
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const ExactImage image(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)));
        WaveImageView view;
        EXPECT_FALSE(parseWaveImage(image.data.get(), image.length, view)) << "cut at " << length;
    }
    const ExactImage image(whole);
    WaveImageView view;
    EXPECT_TRUE(parseWaveImage(image.data.get(), image.length, view));
}

TEST(ParseWaveImage, NullImageIsRefused)
{
    WaveImageView view;
    EXPECT_FALSE(parseWaveImage(nullptr, 0, view));
    EXPECT_FALSE(parseWaveImage(nullptr, 1000, view));
}

}  // namespace
