// Reads what a recording sound device captured while the program played:
// the test session's ALSA "file" device writes the mixed output as raw
// 32-bit float samples into the file named by MEMOLUX_SOUND_CAPTURE.
// Silence is written all the time once the device is open, so sounds are
// found by the loudness of the samples, not by the file's size.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace e2e {

// The capture file as a Windows path (a Unix path is reached through the
// Z: drive); empty if the session has no recording device.
std::string soundCapturePath();

class SoundCapture {
public:
    explicit SoundCapture(std::string path) : path_(std::move(path)) {}

    // Removes the file, so that the next device opened starts it afresh.
    void remove() const;
    // Waits until the device writes into the file.
    bool waitUntilRecording(DWORD timeoutMs) const;
    // The number of whole samples written so far.
    std::size_t sampleCount() const;
    // The samples from the given index up to the end of the file.
    std::vector<float> samplesFrom(std::size_t first) const;

private:
    std::string path_;
};

// A stretch of sound: samples at or above the loudness threshold, with no
// silent gap longer than kMaxGap samples inside.
struct SoundRun {
    std::size_t begin = 0;
    std::size_t end = 0;  // one past the last loud sample
    std::size_t length() const { return end - begin; }
};

// A sample of at most this magnitude counts as silent (about 4 steps of a
// 16-bit sample).
inline constexpr float kSilence = 4.0f / 32768.0f;
// Gaps shorter than this (samples) do not split a run; a waveform passes
// near zero twice per period.
inline constexpr std::size_t kMaxGap = 400;

std::vector<SoundRun> soundRuns(const std::vector<float>& samples);

// Root mean square of each of `parts` equal parts of samples[begin, end).
std::vector<double> loudnessProfile(const std::vector<float>& samples, std::size_t begin,
                                    std::size_t end, int parts);

double peakOf(const std::vector<float>& samples, std::size_t begin, std::size_t end);

// The clip embedded in the program, as floats in [-1, 1].
std::vector<float> embeddedClipSamples();

}  // namespace e2e
