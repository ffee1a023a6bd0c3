#include "help/sound_layer.h"

#include <map>

#include "help/sound_device.h"
#include "help/wave_image.h"

namespace {

// One loaded clip: its playback buffer, kept under its clip number.
struct SoundClip {
    SoundBuffer* buffer = nullptr;
};

struct SoundLayerState {
    bool initCalled = false;
    bool deviceOpen = false;
    std::map<int, SoundClip> clips;
};

SoundLayerState& state()
{
    static SoundLayerState layer;
    return layer;
}

}  // namespace

bool initSound()
{
    SoundLayerState& layer = state();
    layer.initCalled = true;
    if (layer.deviceOpen) {
        return true;
    }
    layer.deviceOpen = openSoundDevice();
    return layer.deviceOpen;
}

bool loadClip(int number, const unsigned char* image, std::size_t length)
{
    if (number < 0) {
        return false;
    }
    WaveImageView wave;
    if (!parseWaveImage(image, length, wave)) {
        return false;
    }
    SoundLayerState& layer = state();
    if (!layer.deviceOpen) {
        return false;
    }
    SoundBuffer* buffer = createSoundBuffer(wave.format, wave.formatSize, wave.samples, wave.sampleSize);
    if (buffer == nullptr) {
        return false;
    }
    SoundClip& slot = layer.clips[number];
    if (slot.buffer != nullptr) {
        releaseSoundBuffer(slot.buffer);
    }
    slot.buffer = buffer;
    return true;
}

bool playClip(int number)
{
    const SoundLayerState& layer = state();
    const auto found = layer.clips.find(number);
    if (found == layer.clips.end()) {
        return false;
    }
    return restartSoundBuffer(found->second.buffer);
}

void shutdownSound()
{
    SoundLayerState& layer = state();
    if (!layer.initCalled) {
        return;
    }
    for (const auto& entry : layer.clips) {
        releaseSoundBuffer(entry.second.buffer);
    }
    layer.clips.clear();
    if (layer.deviceOpen) {
        closeSoundDevice();
    }
    layer = SoundLayerState{};
}
