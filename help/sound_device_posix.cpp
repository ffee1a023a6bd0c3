// Sound device of the native build: a recording fake, no sound output.
#include <deque>
#include <string>

#include "help/sound_device.h"
#include "help/sound_device_fake.h"

struct SoundBuffer {
    int id = 0;
};

namespace {

FakeSoundDevice& device()
{
    static FakeSoundDevice fake;
    return fake;
}

// Handles stay at fixed addresses for the life of the process, so a handle
// used after its release is still detected rather than reading freed memory.
std::deque<SoundBuffer>& handles()
{
    static std::deque<SoundBuffer> all;
    return all;
}

FakeSoundDevice::Buffer* lookUp(const SoundBuffer* handle, const char* call)
{
    FakeSoundDevice& fake = device();
    const std::string tag = std::string(call) + " " + (handle ? std::to_string(handle->id) : "null");
    if (handle == nullptr || handle->id < 1 || static_cast<std::size_t>(handle->id) > fake.buffers.size()) {
        fake.misuses.push_back(tag + ": unknown buffer");
        return nullptr;
    }
    FakeSoundDevice::Buffer& buffer = fake.buffers[static_cast<std::size_t>(handle->id) - 1];
    if (buffer.released) {
        fake.misuses.push_back(tag + ": buffer already released");
        return nullptr;
    }
    if (!fake.open) {
        fake.misuses.push_back(tag + ": device closed");
    }
    return &buffer;
}

}  // namespace

FakeSoundDevice& fakeSoundDevice()
{
    return device();
}

void resetFakeSoundDevice()
{
    device() = FakeSoundDevice{};
}

bool openSoundDevice()
{
    FakeSoundDevice& fake = device();
    if (fake.open) {
        fake.misuses.push_back("open: already open");
    }
    if (fake.refuseOpen) {
        fake.calls.push_back("open refused");
        return false;
    }
    fake.calls.push_back("open");
    fake.open = true;
    return true;
}

void closeSoundDevice()
{
    FakeSoundDevice& fake = device();
    fake.calls.push_back("close");
    if (!fake.open) {
        fake.misuses.push_back("close: not open");
    }
    for (const FakeSoundDevice::Buffer& buffer : fake.buffers) {
        if (!buffer.released) {
            fake.misuses.push_back("close: buffer " + std::to_string(buffer.id) + " still alive");
        }
    }
    fake.open = false;
}

SoundBuffer* createSoundBuffer(const unsigned char* format, std::uint32_t formatSize,
                               const unsigned char* samples, std::uint32_t sampleSize)
{
    FakeSoundDevice& fake = device();
    if (!fake.open) {
        fake.misuses.push_back("create: device closed");
    }
    if (fake.refuseCreate) {
        fake.calls.push_back("create refused");
        return nullptr;
    }
    FakeSoundDevice::Buffer buffer;
    buffer.id = static_cast<int>(fake.buffers.size()) + 1;
    buffer.format.assign(format, format + formatSize);
    buffer.samples.assign(samples, samples + sampleSize);
    buffer.sampleSource = samples;
    fake.buffers.push_back(buffer);
    fake.calls.push_back("create " + std::to_string(buffer.id));
    handles().push_back(SoundBuffer{buffer.id});
    return &handles().back();
}

bool restartSoundBuffer(SoundBuffer* handle)
{
    FakeSoundDevice& fake = device();
    if (lookUp(handle, "play") == nullptr) {
        return false;
    }
    if (fake.refusePlay) {
        fake.calls.push_back("play " + std::to_string(handle->id) + " refused");
        return false;
    }
    fake.calls.push_back("play " + std::to_string(handle->id));
    return true;
}

void releaseSoundBuffer(SoundBuffer* handle)
{
    FakeSoundDevice::Buffer* buffer = lookUp(handle, "release");
    if (buffer == nullptr) {
        return;
    }
    buffer->released = true;
    device().calls.push_back("release " + std::to_string(handle->id));
}
