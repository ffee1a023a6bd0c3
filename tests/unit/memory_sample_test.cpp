#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "monitor/display_text.h"
#include "monitor/memory_sample.h"
#include "monitor/memory_source.h"
#include "monitor/peak_records.h"

namespace {

// 4 GiB installed, 1,294,967,259 bytes available, load 69.
const RawMemoryStatus kExample{4294967296LL, 1294967259LL, 69};

struct LabelRow {
    float exponent;
    const char* unit;
    const char* total;
    const char* used;
    const char* free;
};

class WorkedExample : public ::testing::TestWithParam<LabelRow> {};

TEST_P(WorkedExample, GivesTheFourLabelTexts)
{
    const LabelRow& row = GetParam();
    const MemorySample sample = scaleSample(kExample, row.exponent);
    EXPECT_EQ(memoryValueText(sample.total, row.unit), row.total);
    EXPECT_EQ(memoryValueText(sample.used, row.unit), row.used);
    EXPECT_EQ(loadValueText(sample.load), "69  %");
    EXPECT_EQ(memoryValueText(sample.free, row.unit), row.free);
}

INSTANTIATE_TEST_SUITE_P(
    Units, WorkedExample,
    ::testing::Values(
        LabelRow{1.0f, "MB", "4096.00  MB", "2861.02  MB", "1234.98  MB"},
        LabelRow{0.0f, "KB", "4194304.00  KB", "2929687.50  KB", "1264616.50  KB"},
        LabelRow{2.0f, "GB", "4.00  GB", "2.79  GB", "1.21  GB"},
        LabelRow{2.5f, "GB", "4.00  GB", "2.79  GB", "1.21  GB"},
        LabelRow{3.5f, "GB", "0.00  GB", "0.00  GB", "0.00  GB"},
        // Bytes, while the label still says "MB": the label is never derived.
        LabelRow{-1.0f, "MB", "4294967296.00  MB", "3000000000.00  MB", "1294967296.00  MB"},
        // An empty label leaves the two blanks.
        LabelRow{1.0f, "", "4096.00  ", "2861.02  ", "1234.98  "}));

TEST(UnitExponentSteps, RoundsHalfToEvenAndRefusesWhatDoesNotFit)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::int32_t none = std::numeric_limits<std::int32_t>::min();
    const struct {
        float exponent;
        std::int32_t steps;
    } cases[] = {
        {0.0f, 0},   {1.0f, 1},   {2.0f, 2},   {0.5f, 0},          {-0.5f, 0},
        {1.5f, 2},   {2.5f, 2},   {3.5f, 4},   {-0.6f, -1},        {-1.0f, -1},
        {-1.5f, -2}, {0.49f, 0},  {0.51f, 1},  {2147483520.0f, 2147483520},
        {-2147483648.0f, none},  // fits, and happens to be the "no division" value
        {2147483648.0f, none},   {3000000000.0f, none}, {-3000000000.0f, none},
        {inf, none}, {-inf, none}, {nan, none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unitExponentSteps(c.exponent), c.steps) << "exponent " << c.exponent;
    }
}

TEST(ScaleSample, DividesOnceMoreThanTheExponent)
{
    const RawMemoryStatus raw{1LL << 40, 1LL << 30, 50};
    EXPECT_EQ(scaleSample(raw, 0.0f).total, std::ldexp(1.0f, 30));
    EXPECT_EQ(scaleSample(raw, 1.0f).total, std::ldexp(1.0f, 20));
    EXPECT_EQ(scaleSample(raw, 2.0f).free, 1.0f);
    EXPECT_EQ(scaleSample(raw, -7.0f).total, std::ldexp(1.0f, 40));
    EXPECT_EQ(scaleSample(raw, 2.0f).load, 50.0f) << "load is never scaled";
}

TEST(ScaleSample, UsedIsFormedBeforeRoundingToFloat)
{
    // total - avail = 3,000,000,037: rounds to 3e9 as a float, while the
    // difference of the rounded counts would be 4294967296 - 1294967296.
    const MemorySample bytes = scaleSample(kExample, -1.0f);
    EXPECT_EQ(bytes.used, 3000000000.0f);
    // Here the rounded counts differ by 0 but the real difference is 1 KiB.
    const RawMemoryStatus close{(1LL << 40) + 1024, 1LL << 40, 0};
    EXPECT_EQ(scaleSample(close, -1.0f).used, 1024.0f);
    EXPECT_EQ(scaleSample(close, -1.0f).total, scaleSample(close, -1.0f).free);
}

TEST(ScaleSample, HugeExponentsGiveZeroWithoutStalling)
{
    const RawMemoryStatus largest{std::numeric_limits<std::int64_t>::max(),
                                  std::numeric_limits<std::int64_t>::min(), 100};
    for (const float exponent : {21.0f, 1000.0f, 2147483520.0f}) {
        const auto start = std::chrono::steady_clock::now();
        const MemorySample sample = scaleSample(largest, exponent);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(sample.total, 0.0f);
        EXPECT_EQ(sample.used, 0.0f);
        EXPECT_EQ(sample.free, 0.0f);
        EXPECT_EQ(sample.load, 100.0f);
        EXPECT_LT(took, std::chrono::milliseconds(50)) << "exponent " << exponent;
    }
    // One step below the last non-zero one, the largest count is still there.
    EXPECT_GT(scaleSample(largest, 19.0f).total, 0.0f);
}

TEST(ScaleSample, ZeroReadingShowsZeros)
{
    const MemorySample sample = scaleSample(RawMemoryStatus{}, 1.0f);
    EXPECT_EQ(memoryValueText(sample.total, "MB"), "0.00  MB");
    EXPECT_EQ(loadValueText(sample.load), "0  %");
}

TEST(LoadValueText, RoundsHalfToEven)
{
    EXPECT_EQ(loadValueText(57.0f), "57  %");
    EXPECT_EQ(loadValueText(0.5f), "0  %");
    EXPECT_EQ(loadValueText(1.5f), "2  %");
    EXPECT_EQ(loadValueText(2.5f), "2  %");
}

TEST(PeakRecords, StartAtMinusOneAndOnlyRise)
{
    PeakRecords records;
    EXPECT_EQ(statisticsText(records),
              "gebrauchter RAM (Rekord):  -1.00\n"
              "gebrauchter RAM in Prozent (Rekord):  -1.00\n"
              "freier RAM (Rekord):  -1.00");

    updatePeaks(records, scaleSample(kExample, 1.0f));
    EXPECT_EQ(statisticsText(records),
              "gebrauchter RAM (Rekord):  2861.02\n"
              "gebrauchter RAM in Prozent (Rekord):  69.00\n"
              "freier RAM (Rekord):  1234.98");

    // Lower figures leave the records alone; free is a maximum too.
    updatePeaks(records, MemorySample{4096.0f, 100.0f, 57.0f, 10.0f});
    EXPECT_EQ(records.peakUsed, scaleSample(kExample, 1.0f).used);
    EXPECT_EQ(records.peakLoad, 69.0f);
    EXPECT_EQ(records.peakFree, scaleSample(kExample, 1.0f).free);
}

TEST(PeakRecords, MixUnitsAfterAChangeOfUnit)
{
    PeakRecords records;
    updatePeaks(records, scaleSample(kExample, 0.0f));  // kilobytes
    updatePeaks(records, scaleSample(kExample, 1.0f));  // then megabytes
    EXPECT_EQ(records.peakUsed, 2929687.5f) << "the kilobyte peak stays";

    PeakRecords other;
    updatePeaks(other, scaleSample(kExample, 1.0f));
    updatePeaks(other, scaleSample(kExample, 0.0f));
    EXPECT_EQ(other.peakFree, 1264616.5f) << "kilobytes raise a megabyte peak";
}

}  // namespace

namespace {

TEST(ReadMemoryStatus, GivesAPlausibleReadingOfThisMachine)
{
    const RawMemoryStatus raw = readMemoryStatus();
    EXPECT_GT(raw.totalPhys, 64LL * 1024 * 1024);
    EXPECT_GE(raw.availPhys, 0);
    EXPECT_LE(raw.availPhys, raw.totalPhys);
    EXPECT_LE(raw.memoryLoad, 100u);
}

}  // namespace
