// Message boxes, the primary display's size, the tick count and sleeping.
#include <windows.h>

#include <string>

#include "ui/ui.h"

namespace ui {

MessageAnswer messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                         MessageIcon icon)
{
    UINT flags = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
    case MessageIcon::Error: flags |= MB_ICONERROR; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::None: break;
    }
    const std::string boxText(text);
    const std::string boxTitle(title);
    switch (MessageBoxA(nullptr, boxText.c_str(), boxTitle.c_str(), flags)) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
    }
}

ScreenSize primaryDisplaySize()
{
    // The current mode of the primary display device: its full size, not
    // the work area.
    DISPLAY_DEVICEA device{};
    device.cb = sizeof device;
    for (DWORD index = 0; EnumDisplayDevicesA(nullptr, index, &device, 0); ++index) {
        if ((device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0) {
            DEVMODEA mode{};
            mode.dmSize = sizeof mode;
            if (EnumDisplaySettingsA(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode)) {
                return ScreenSize{static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)};
            }
            break;
        }
        device.cb = sizeof device;
    }
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::uint32_t tickCount()
{
    return GetTickCount();
}

void sleepMs(std::uint32_t milliseconds)
{
    Sleep(milliseconds);
}

}  // namespace ui
