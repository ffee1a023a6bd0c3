#include "ui/win32/ui_state.h"

namespace ui::win32 {

ToolkitState& state()
{
    static ToolkitState toolkit;
    return toolkit;
}

HWND windowHandle(int windowId)
{
    if (windowId < 0 || windowId >= kMaxWindows) {
        return nullptr;
    }
    return state().windows[windowId].handle;
}

ControlRecord* controlRecord(int controlId)
{
    if (controlId < 0 || controlId >= kMaxControls || state().controls[controlId].handle == nullptr) {
        return nullptr;
    }
    return &state().controls[controlId];
}

HWND controlHandle(int controlId)
{
    const ControlRecord* record = controlRecord(controlId);
    return record == nullptr ? nullptr : record->handle;
}

int windowIdOf(HWND handle)
{
    for (int id = 0; id < kMaxWindows; ++id) {
        if (handle != nullptr && state().windows[id].handle == handle) {
            return id;
        }
    }
    return -1;
}

int controlIdOfArrows(HWND handle)
{
    for (int id = 0; id < kMaxControls; ++id) {
        if (handle != nullptr && state().controls[id].arrows == handle) {
            return id;
        }
    }
    return -1;
}

void forgetControlsOf(int windowId)
{
    for (ControlRecord& record : state().controls) {
        if (record.window == windowId) {
            record = ControlRecord{};
        }
    }
}

}  // namespace ui::win32
