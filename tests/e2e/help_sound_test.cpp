// The help window's clip as a sound device records it. These tests need a
// session whose default sound device writes what is played into the file
// named by MEMOLUX_SOUND_CAPTURE (see scripts/wine_session.sh).
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"
#include "tests/e2e/help_fixture.h"
#include "tests/e2e/sound_capture.h"

namespace {

using namespace e2e;

// Long enough for the whole clip (about 2.8 s) on a device that plays in
// real time, with a margin.
constexpr DWORD kClipWaitMs = 3800;
// Loudness profiles are compared in parts of about 0.1 s; parts where the
// clip is quieter than this are left out.
constexpr int kProfileParts = 28;
constexpr double kAudible = 0.01;
constexpr double kProfileTolerance = 0.15;

// The recording's samples are 32-bit floats within [-1, 1].
::testing::AssertionResult isFloatRecording(const std::vector<float>& samples)
{
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!std::isfinite(samples[i]) || std::fabs(samples[i]) > 1.0f) {
            return ::testing::AssertionFailure() << "sample " << i << " is " << samples[i]
                                                 << ": not a float recording";
        }
    }
    return ::testing::AssertionSuccess();
}

// The largest relative difference between two loudness profiles, over the
// parts where the reference is audible.
double profileDifference(const std::vector<double>& heard, const std::vector<double>& reference)
{
    double worst = 0;
    for (std::size_t i = 0; i < heard.size() && i < reference.size(); ++i) {
        if (reference[i] >= kAudible) {
            worst = std::fmax(worst, std::fabs(heard[i] / reference[i] - 1.0));
        }
    }
    return worst;
}

// The program with its help window open and the recording running.
class HelpSoundDevice : public HelpWindowFixture {
protected:
    void SetUp() override
    {
        const std::string path = soundCapturePath();
        ASSERT_FALSE(path.empty()) << "needs a recording sound device: MEMOLUX_SOUND_CAPTURE is not set";
        capture = std::make_unique<SoundCapture>(path);
        capture->remove();
        HelpWindowFixture::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        help = openHelp();
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(capture->waitUntilRecording(5000)) << "the help window did not open the sound device";
    }

    // Waits until sound appears in the recording after the sample index.
    bool waitForSound(std::size_t from, DWORD timeoutMs)
    {
        return waitUntil(timeoutMs, [&] { return !soundRuns(capture->samplesFrom(from)).empty(); });
    }

    HWND help = nullptr;
    std::unique_ptr<SoundCapture> capture;
};

// The embedded clip's own sound run and loudness profile.
struct ClipReference {
    std::vector<float> samples = embeddedClipSamples();
    SoundRun run;
    std::vector<double> profile;
    double peak = 0;

    ClipReference()
    {
        const std::vector<SoundRun> runs = soundRuns(samples);
        if (!runs.empty()) {
            run = SoundRun{runs.front().begin, runs.back().end};
            profile = loudnessProfile(samples, run.begin, run.end, kProfileParts);
            peak = peakOf(samples, run.begin, run.end);
        }
    }
};

// The recording holds exactly one sound, and it is the whole clip: its
// length is the clip's at a device rate (samples per second times channels
// over the clip's 22,050), its loudness follows the clip's from start to end.
void expectOneWholeClip(const std::vector<float>& recorded, const char* what)
{
    SCOPED_TRACE(what);
    ASSERT_TRUE(isFloatRecording(recorded));
    const std::vector<SoundRun> runs = soundRuns(recorded);
    ASSERT_EQ(runs.size(), 1u) << "one sound";
    const SoundRun heard = runs.front();
    const ClipReference clip;
    ASSERT_GT(clip.run.length(), 0u);

    const double ratio = static_cast<double>(heard.length()) / static_cast<double>(clip.run.length());
    double nearest = 0;
    for (const double rate : {22050.0, 44100.0, 48000.0}) {
        for (const double channels : {1.0, 2.0}) {
            const double candidate = rate * channels / 22050.0;
            if (std::fabs(ratio - candidate) < std::fabs(ratio - nearest)) {
                nearest = candidate;
            }
        }
    }
    EXPECT_NEAR(ratio / nearest, 1.0, 0.01) << "length ratio " << ratio;
    const double difference =
        profileDifference(loudnessProfile(recorded, heard.begin, heard.end, kProfileParts), clip.profile);
    EXPECT_LT(difference, kProfileTolerance);
    const double peak = peakOf(recorded, heard.begin, heard.end);
    EXPECT_NEAR(peak / clip.peak, 1.0, 0.05);
    std::printf("[ sound ] %s: %zu samples of sound (clip %zu, ratio %.4f, device %.0f samples/s over all "
                "channels), peak %.4f (clip %.4f), loudness within %.1f%% of the clip's\n",
                what, heard.length(), clip.run.length(), ratio, nearest * 22050.0, peak, clip.peak,
                difference * 100.0);
}

struct PlayCase {
    const char* name;
    // Makes the help window play its clip once; the fixture's help window
    // is open.
    void (*play)(HelpSoundDevice& test, HWND& help);
};

class HelpSoundDevicePlays : public HelpSoundDevice, public ::testing::WithParamInterface<PlayCase> {
public:
    HWND reopen()
    {
        requestClose(help);
        waitUntil(5000, [&] { return !IsWindow(help); });
        help = openHelp();
        return help;
    }
};

TEST_P(HelpSoundDevicePlays, TheWholeClipOnce)
{
    const std::size_t from = capture->sampleCount();
    GetParam().play(*this, help);
    Sleep(kClipWaitMs);
    expectOneWholeClip(capture->samplesFrom(from), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, HelpSoundDevicePlays,
    ::testing::Values(
        PlayCase{"Click", [](HelpSoundDevice&, HWND& help) { click(GetDlgItem(help, 18)); }},
        PlayCase{"SpaceOnTheFocusedButton",
                 [](HelpSoundDevice&, HWND& help) {
                     const HWND button = GetDlgItem(help, 18);
                     pressKey(help, VK_TAB);
                     ASSERT_TRUE(waitUntil(2000, [&] { return focusedWindow(help) == button; }));
                     pressKey(button, VK_SPACE);
                 }},
        PlayCase{"ClickAfterReopening",
                 [](HelpSoundDevice& test, HWND& help) {
                     ASSERT_NE(static_cast<HelpSoundDevicePlays&>(test).reopen(), nullptr);
                     click(GetDlgItem(help, 18));
                 }},
        // Closing the window does not stop the clip.
        PlayCase{"ClickThenCloseAtOnce",
                 [](HelpSoundDevice&, HWND& help) {
                     click(GetDlgItem(help, 18));
                     requestClose(help);
                 }}),
    [](const ::testing::TestParamInfo<PlayCase>& info) { return info.param.name; });

TEST_F(HelpSoundDevice, SecondClickRestartsTheClipFromItsStart)
{
    const HWND button = GetDlgItem(help, 18);
    // One play on its own: the length and loudness of the whole clip as
    // this device records it.
    std::size_t from = capture->sampleCount();
    click(button);
    Sleep(kClipWaitMs);
    const std::vector<float> single = capture->samplesFrom(from);
    const std::vector<SoundRun> singleRuns = soundRuns(single);
    ASSERT_EQ(singleRuns.size(), 1u);
    const SoundRun whole = singleRuns.front();

    // A second click while the clip sounds.
    from = capture->sampleCount();
    click(button);
    ASSERT_TRUE(waitForSound(from, 3000));
    Sleep(100);
    click(button);
    Sleep(kClipWaitMs);
    const std::vector<float> twice = capture->samplesFrom(from);
    ASSERT_TRUE(isFloatRecording(twice));
    const std::vector<SoundRun> runs = soundRuns(twice);
    ASSERT_EQ(runs.size(), 1u) << "the first play was cut off by the second, without a pause";
    const SoundRun heard = runs.front();

    // The sound is the beginning of the clip, cut off, followed by the
    // whole clip, once: not the whole clip only (second click ignored or
    // continuing), not two whole clips, not two copies over each other.
    ASSERT_GT(heard.length(), whole.length());
    const std::size_t cut = heard.length() - whole.length();
    EXPECT_LT(cut, whole.length());
    const std::vector<double> reference = loudnessProfile(single, whole.begin, whole.end, kProfileParts);
    const std::size_t restart = heard.end - whole.length();
    const double tail = profileDifference(loudnessProfile(twice, restart, heard.end, kProfileParts), reference);
    EXPECT_LT(tail, kProfileTolerance) << "the last part is the whole clip, once";
    // The first play began at the clip's start too.
    const int headParts = static_cast<int>(cut * kProfileParts / whole.length());
    double head = 0;
    if (headParts >= 1) {
        head = profileDifference(loudnessProfile(twice, heard.begin, restart, headParts),
                                 loudnessProfile(single, whole.begin, whole.begin + cut, headParts));
        EXPECT_LT(head, kProfileTolerance);
    }
    // Loud right up to the restart: cut off while it sounded.
    const std::size_t edge = whole.length() / 200;
    const double beforeRestart = loudnessProfile(twice, restart - edge, restart, 1).front();
    EXPECT_GT(beforeRestart, kAudible);
    std::printf("[ sound ] restart: single play %zu samples; two clicks gave %zu samples: %zu of the first "
                "play (loudness at the cut %.4f), then the whole clip (loudness within %.1f%%; head within "
                "%.1f%%)\n",
                whole.length(), heard.length(), cut, beforeRestart, tail * 100.0, head * 100.0);
}

TEST_F(HelpSoundDevice, QuittingWhileTheClipSoundsEndsNormally)
{
    const std::size_t from = capture->sampleCount();
    click(GetDlgItem(help, 18));
    ASSERT_TRUE(waitForSound(from, 3000));
    requestClose(help);
    ASSERT_TRUE(waitUntil(5000, [&] { return !IsWindow(help); }));
    EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
    main = nullptr;
}

}  // namespace
