// Sound device on DirectSound. DSOUND.DLL is loaded at run time by name, so
// the program starts and runs (silently) on a system without it. The device
// is bound to a hidden window of its own that is never shown.
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstring>
#include <new>
#include <vector>

#include "help/sound_device.h"

struct SoundBuffer {
    IDirectSoundBuffer* object = nullptr;
};

namespace {

using DirectSoundCreateFn = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND*, LPUNKNOWN);

// Static buffer with frequency, pan and volume controls, heard whichever
// window has the focus, with the accurate play cursor.
constexpr DWORD kClipBufferFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN |
                                   DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS |
                                   DSBCAPS_GETCURRENTPOSITION2;
static_assert(kClipBufferFlags == 0x180E2);

const char kWindowClass[] = "MemoluxSoundWindow";

struct DeviceState {
    HWND window = nullptr;  // exists while the device is open
    HMODULE library = nullptr;
    IDirectSound* device = nullptr;
    IDirectSoundBuffer* primary = nullptr;
};

DeviceState& state()
{
    static DeviceState device;
    return device;
}

HWND createHiddenWindow()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return nullptr;
    }
    HWND window = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        UnregisterClassA(kWindowClass, instance);
    }
    return window;
}

void destroyHiddenWindow()
{
    DeviceState& device = state();
    if (device.window != nullptr) {
        DestroyWindow(device.window);
        device.window = nullptr;
        UnregisterClassA(kWindowClass, GetModuleHandleA(nullptr));
    }
}

DSBUFFERDESC bufferDescription(DWORD flags, DWORD bytes, WAVEFORMATEX* format)
{
    DSBUFFERDESC description{};
    // The structure's own size: 36 bytes in a 32-bit program, 40 in a
    // 64-bit one. A 64-bit call with 36 has every buffer refused.
    description.dwSize = sizeof(DSBUFFERDESC);
    description.dwFlags = flags;
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = format;
    return description;
}

bool openDevice()
{
    DeviceState& device = state();
    device.window = createHiddenWindow();
    if (device.window == nullptr) {
        return false;
    }
    device.library = LoadLibraryA("DSOUND.DLL");
    if (device.library == nullptr) {
        return false;
    }
    // Through void(*)(), which converts to any function type without a
    // cast-function-type warning.
    const auto create = reinterpret_cast<DirectSoundCreateFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(device.library, "DirectSoundCreate")));
    if (create == nullptr) {
        return false;
    }
    if (FAILED(create(nullptr, &device.device, nullptr)) || device.device == nullptr) {
        device.device = nullptr;
        return false;
    }
    if (FAILED(device.device->SetCooperativeLevel(device.window, DSSCL_PRIORITY))) {
        return false;
    }
    // No format: the device keeps its own default primary format.
    const DSBUFFERDESC description = bufferDescription(DSBCAPS_PRIMARYBUFFER, 0, nullptr);
    if (FAILED(device.device->CreateSoundBuffer(&description, &device.primary, nullptr))) {
        device.primary = nullptr;
        return false;
    }
    return true;
}

// Copies the sample bytes into the locked buffer; false unless they all fit.
bool fillBuffer(IDirectSoundBuffer* buffer, const unsigned char* samples, DWORD size)
{
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstSize = 0;
    DWORD secondSize = 0;
    if (FAILED(buffer->Lock(0, size, &first, &firstSize, &second, &secondSize, 0))) {
        return false;
    }
    const DWORD intoFirst = firstSize < size ? firstSize : size;
    std::memcpy(first, samples, intoFirst);
    DWORD rest = size - intoFirst;
    if (rest > 0 && second != nullptr) {
        const DWORD intoSecond = secondSize < rest ? secondSize : rest;
        std::memcpy(second, samples + intoFirst, intoSecond);
        rest -= intoSecond;
    }
    buffer->Unlock(first, firstSize, second, secondSize);
    return rest == 0;
}

}  // namespace

void closeSoundDevice()
{
    DeviceState& device = state();
    if (device.primary != nullptr) {
        device.primary->Release();
        device.primary = nullptr;
    }
    if (device.device != nullptr) {
        device.device->Release();
        device.device = nullptr;
    }
    if (device.library != nullptr) {
        FreeLibrary(device.library);
        device.library = nullptr;
    }
    destroyHiddenWindow();
}

bool openSoundDevice()
{
    if (openDevice()) {
        return true;
    }
    // A half-open device is released whole, its window included.
    closeSoundDevice();
    return false;
}

SoundBuffer* createSoundBuffer(const unsigned char* format, std::uint32_t formatSize,
                               const unsigned char* samples, std::uint32_t sampleSize)
{
    IDirectSound* device = state().device;
    if (device == nullptr) {
        return nullptr;
    }
    // DirectSound reads the format as a WAVEFORMATEX, whose cbSize field lies
    // just past the 16 PCM bytes that a plain fmt chunk holds. Give it the
    // chunk's bytes with cbSize zero behind them when the chunk ends there,
    // and refuse a format whose cbSize claims more bytes than the chunk has.
    std::vector<unsigned char> formatBytes(format, format + formatSize);
    static_assert(sizeof(WAVEFORMATEX) == 18);
    if (formatBytes.size() < sizeof(WAVEFORMATEX)) {
        formatBytes.resize(sizeof(WAVEFORMATEX), 0);
    }
    const std::size_t extraBytes = formatBytes[16] | (static_cast<std::size_t>(formatBytes[17]) << 8);
    if (sizeof(WAVEFORMATEX) + extraBytes > formatBytes.size()) {
        return nullptr;
    }
    auto* waveFormat = reinterpret_cast<WAVEFORMATEX*>(formatBytes.data());
    const DSBUFFERDESC description = bufferDescription(kClipBufferFlags, sampleSize, waveFormat);
    IDirectSoundBuffer* object = nullptr;
    if (FAILED(device->CreateSoundBuffer(&description, &object, nullptr)) || object == nullptr) {
        return nullptr;
    }
    SoundBuffer* buffer = new (std::nothrow) SoundBuffer{object};
    if (buffer == nullptr || !fillBuffer(object, samples, sampleSize)) {
        object->Release();
        delete buffer;
        return nullptr;
    }
    return buffer;
}

bool restartSoundBuffer(SoundBuffer* buffer)
{
    buffer->object->Stop();
    buffer->object->SetCurrentPosition(0);
    return SUCCEEDED(buffer->object->Play(0, 0, 0));
}

void releaseSoundBuffer(SoundBuffer* buffer)
{
    buffer->object->Release();
    delete buffer;
}
