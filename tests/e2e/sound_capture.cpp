#include "tests/e2e/sound_capture.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "help/help_clip_image.h"
#include "tests/e2e/driver.h"

namespace e2e {

namespace {

constexpr std::size_t kSampleBytes = 4;

long long fileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

}  // namespace

std::string soundCapturePath()
{
    char buffer[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("MEMOLUX_SOUND_CAPTURE", buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return std::string();
    }
    std::string path(buffer, length);
    if (path[0] == '/') {
        for (char& c : path) {
            if (c == '/') {
                c = '\\';
            }
        }
        path = "Z:" + path;
    }
    return path;
}

void SoundCapture::remove() const
{
    DeleteFileA(path_.c_str());
}

bool SoundCapture::waitUntilRecording(DWORD timeoutMs) const
{
    return waitUntil(timeoutMs, [&] { return fileSize(path_) > 0; });
}

std::size_t SoundCapture::sampleCount() const
{
    const long long size = fileSize(path_);
    return size > 0 ? static_cast<std::size_t>(size) / kSampleBytes : 0;
}

std::vector<float> SoundCapture::samplesFrom(std::size_t first) const
{
    std::vector<float> samples;
    const HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return samples;
    }
    LARGE_INTEGER offset;
    offset.QuadPart = static_cast<LONGLONG>(first * kSampleBytes);
    std::vector<unsigned char> bytes;
    if (SetFilePointerEx(file, offset, nullptr, FILE_BEGIN)) {
        unsigned char chunk[1 << 16];
        DWORD got = 0;
        while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
    }
    CloseHandle(file);
    samples.resize(bytes.size() / kSampleBytes);
    std::memcpy(samples.data(), bytes.data(), samples.size() * kSampleBytes);
    return samples;
}

std::vector<SoundRun> soundRuns(const std::vector<float>& samples)
{
    std::vector<SoundRun> runs;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!(std::fabs(samples[i]) > kSilence)) {
            continue;
        }
        if (!runs.empty() && i - runs.back().end <= kMaxGap) {
            runs.back().end = i + 1;
        } else {
            runs.push_back(SoundRun{i, i + 1});
        }
    }
    return runs;
}

std::vector<double> loudnessProfile(const std::vector<float>& samples, std::size_t begin, std::size_t end,
                                    int parts)
{
    std::vector<double> profile;
    const double span = static_cast<double>(end - begin) / parts;
    for (int part = 0; part < parts; ++part) {
        const auto from = begin + static_cast<std::size_t>(std::llround(span * part));
        const auto to = begin + static_cast<std::size_t>(std::llround(span * (part + 1)));
        double sum = 0;
        for (std::size_t i = from; i < to; ++i) {
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        profile.push_back(to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0);
    }
    return profile;
}

double peakOf(const std::vector<float>& samples, std::size_t begin, std::size_t end)
{
    double peak = 0;
    for (std::size_t i = begin; i < end; ++i) {
        peak = std::fmax(peak, std::fabs(static_cast<double>(samples[i])));
    }
    return peak;
}

std::vector<float> embeddedClipSamples()
{
    // The canonical image: 16-bit samples right after a 44-byte header.
    constexpr std::size_t kHeader = 44;
    std::vector<float> samples;
    for (std::size_t at = kHeader; at + 1 < helpClipImageSize; at += 2) {
        const auto value = static_cast<std::int16_t>(helpClipImage[at] | helpClipImage[at + 1] << 8);
        samples.push_back(static_cast<float>(value) / 32768.0f);
    }
    return samples;
}

}  // namespace e2e
