// The event wait: takes the next message of any of the program's windows,
// applies shortcuts and Tab navigation, dispatches it, and reports what the
// window procedures made of it.
#include <windows.h>

#include "ui/win32/ui_state.h"

namespace ui::win32 {

namespace {

// The window id whose shortcut table applies to a keyboard message: the
// message must go to that window or one of its controls.
bool translateShortcut(MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    const int windowId = windowIdOf(root);
    if (windowId < 0 || state().windows[windowId].shortcuts == nullptr) {
        return false;
    }
    return TranslateAcceleratorA(root, state().windows[windowId].shortcuts, &message) != 0;
}

// Tab and Shift+Tab move the focus among the Tab stops of the window.
bool moveFocusOnTab(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) {
        return false;
    }
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (windowIdOf(root) < 0) {
        return false;
    }
    const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const HWND focus = GetFocus();
    const HWND from = (focus != nullptr && IsChild(root, focus)) ? focus : nullptr;
    const HWND next = GetNextDlgTabItem(root, from, backwards);
    if (next != nullptr) {
        SetFocus(next);
    }
    return true;
}

bool takeQueued(UiEvent& event)
{
    ToolkitState& s = state();
    if (s.events.empty()) {
        return false;
    }
    event = s.events.front();
    s.events.pop_front();
    return true;
}

}  // namespace

}  // namespace ui::win32

namespace ui {

using namespace ui::win32;

UiEvent waitEvent(int timeoutMs)
{
    UiEvent event;
    if (takeQueued(event)) {
        return event;
    }
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT && !translateShortcut(message) && !moveFocusOnTab(message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            if (takeQueued(event)) {
                return event;
            }
            return UiEvent{UiEvent::Kind::Other, 0, 0};
        }
        // Messages sent by other threads or processes are handled inside
        // PeekMessage and may have produced events without a queued message.
        if (takeQueued(event)) {
            return event;
        }
        DWORD wait = INFINITE;
        if (timeoutMs != kWaitForever) {
            const DWORD passed = GetTickCount() - start;
            if (passed >= static_cast<DWORD>(timeoutMs)) {
                return UiEvent{UiEvent::Kind::None, 0, 0};
            }
            wait = static_cast<DWORD>(timeoutMs) - passed;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace ui
