// Internal state of the Win32 toolkit: the handles behind the program's
// window and control ids, the fonts, shortcuts and the queue of events that
// window procedures produce while messages are dispatched.
#pragma once

#include <windows.h>

#include <array>
#include <deque>

#include "ui/ui.h"

namespace ui::win32 {

inline constexpr int kMaxWindows = 8;
inline constexpr int kMaxControls = 64;
inline constexpr int kMaxFonts = 16;
// Shortcut commands get a nonzero Win32 id: some systems drop accelerators
// whose command id is 0 on windows with a system menu.
inline constexpr WORD kShortcutCommandBase = 0x8000;
// Win32 ids of the arrow parts of spin boxes, outside the program's ids.
inline constexpr int kSpinArrowIdBase = 0x4000;

struct ControlRecord {
    HWND handle = nullptr;
    HWND arrows = nullptr;  // spin boxes only
    int window = -1;
    ControlKind kind = ControlKind::Label;
    int lastStep = 0;       // spin boxes: sign of the last arrow step
};

struct WindowRecord {
    HWND handle = nullptr;
    HACCEL shortcuts = nullptr;
};

struct ToolkitState {
    HINSTANCE instance = nullptr;
    ATOM windowClass = 0;
    std::array<WindowRecord, kMaxWindows> windows{};
    std::array<ControlRecord, kMaxControls> controls{};
    std::array<HFONT, kMaxFonts> fonts{};
    std::deque<UiEvent> events;
    int silencedControl = -1;  // a control whose notifications are dropped
    HICON icon = nullptr;       // the program's icon, both sizes of the
    HICON smallIcon = nullptr;  // window class
    bool richEditLoaded = false;
    HMODULE richEditLibrary = nullptr;
    const char* richEditClass = nullptr;
};

ToolkitState& state();

// Lookups; nullptr or -1 when the id is unknown.
HWND windowHandle(int windowId);
HWND controlHandle(int controlId);
ControlRecord* controlRecord(int controlId);
int windowIdOf(HWND handle);
int controlIdOfArrows(HWND handle);

// Forgets the controls of a window that is being destroyed.
void forgetControlsOf(int windowId);

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ui::win32
