// Top-level windows: the window class, opening and closing, topmost, the
// keyboard shortcut, and the window procedure that turns notifications into
// events.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/win32/ui_state.h"

namespace ui::win32 {

namespace {

constexpr char kWindowClassName[] = "MemoluxWindow";

DWORD win32Styles(std::uint32_t styles)
{
    DWORD result = 0;
    if (styles & kCaption) result |= WS_CAPTION;
    if (styles & kSystemMenu) result |= WS_SYSMENU;
    if (styles & kMinimizeBox) result |= WS_MINIMIZEBOX;
    if (styles & kMaximizeBox) result |= WS_MAXIMIZEBOX;
    if (styles & kSizingBorder) result |= WS_THICKFRAME;
    return result;
}

void push(UiEvent::Kind kind, int id, int code)
{
    state().events.push_back(UiEvent{kind, id, code});
}

void onCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        // A menu command or a shortcut.
        const int menuId = id >= kShortcutCommandBase ? id - kShortcutCommandBase : id;
        push(UiEvent::Kind::Menu, menuId, 0);
        return;
    }
    const ControlRecord* record = controlRecord(id);
    if (record == nullptr || record->handle != reinterpret_cast<HWND>(lParam) ||
        record->window != windowIdOf(window)) {
        return;
    }
    if (id == state().silencedControl) {
        return;
    }
    push(UiEvent::Kind::Control, id, code);
}

void onArrowStep(LPARAM lParam)
{
    const int id = controlIdOfArrows(reinterpret_cast<HWND>(lParam));
    ControlRecord* record = controlRecord(id);
    if (record != nullptr && record->lastStep != 0) {
        push(UiEvent::Kind::Control, id, record->lastStep);
        record->lastStep = 0;
    }
}

}  // namespace

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE: {
        // A close request never destroys the window by itself.
        const int id = windowIdOf(window);
        if (id >= 0) {
            push(UiEvent::Kind::Close, id, 0);
        }
        return 0;
    }
    case WM_COMMAND:
        onCommand(window, wParam, lParam);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == UDN_DELTAPOS) {
            const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
            ControlRecord* record = controlRecord(controlIdOfArrows(header->hwndFrom));
            if (record != nullptr) {
                record->lastStep = change->iDelta > 0 ? kSpinUp : (change->iDelta < 0 ? kSpinDown : 0);
            }
        }
        return 0;
    }
    case WM_VSCROLL:
        if (lParam != 0 && LOWORD(wParam) == SB_THUMBPOSITION) {
            onArrowStep(lParam);
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace ui::win32

namespace ui {

using namespace ui::win32;

bool startup()
{
    ToolkitState& s = state();
    s.instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = s.instance;
    s.icon = static_cast<HICON>(LoadImageA(s.instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    s.smallIcon = static_cast<HICON>(LoadImageA(s.instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hIcon = s.icon;
    windowClass.hIconSm = s.smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClassName;
    s.windowClass = RegisterClassExA(&windowClass);
    return s.windowClass != 0;
}

void shutdown()
{
    ToolkitState& s = state();
    for (int id = 0; id < kMaxWindows; ++id) {
        closeWindow(id);
    }
    for (int id = 1; id < kMaxFonts; ++id) {
        releaseFont(id);
    }
    if (s.windowClass != 0) {
        UnregisterClassA(kWindowClassName, s.instance);
        s.windowClass = 0;
    }
    // The icons outlive the windows of the class, so they go after it.
    for (HICON* icon : {&s.icon, &s.smallIcon}) {
        if (*icon != nullptr) {
            DestroyIcon(*icon);
            *icon = nullptr;
        }
    }
    // No rich edit control is left once every window is closed.
    if (s.richEditLibrary != nullptr) {
        FreeLibrary(s.richEditLibrary);
        s.richEditLibrary = nullptr;
        s.richEditClass = nullptr;
        s.richEditLoaded = false;
    }
    s.events.clear();
}

bool openWindow(const WindowArgs& args)
{
    ToolkitState& s = state();
    if (args.id < 0 || args.id >= kMaxWindows || s.windows[args.id].handle != nullptr) {
        return false;
    }
    const DWORD style = win32Styles(args.styles);
    RECT frame{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int x = args.x;
    int y = args.y;
    if (args.centred) {
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        width = width < screenWidth ? width : screenWidth;
        height = height < screenHeight ? height : screenHeight;
        x = (screenWidth - width) / 2;
        y = (screenHeight - height) / 2;
    }
    const std::string title(args.title);
    HWND handle = CreateWindowExA(0, kWindowClassName, title.c_str(), style, x, y, width, height,
                                  nullptr, nullptr, s.instance, nullptr);
    if (handle == nullptr) {
        return false;
    }
    s.windows[args.id].handle = handle;
    ShowWindow(handle, SW_SHOWNORMAL);
    UpdateWindow(handle);
    return true;
}

void closeWindow(int windowId)
{
    ToolkitState& s = state();
    if (windowId < 0 || windowId >= kMaxWindows || s.windows[windowId].handle == nullptr) {
        return;
    }
    WindowRecord& record = s.windows[windowId];
    const HWND handle = record.handle;
    forgetControlsOf(windowId);
    record.handle = nullptr;
    if (record.shortcuts != nullptr) {
        DestroyAcceleratorTable(record.shortcuts);
        record.shortcuts = nullptr;
    }
    DestroyWindow(handle);
}

bool makeTopmost(int windowId)
{
    const HWND handle = windowHandle(windowId);
    return handle != nullptr &&
           SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != 0;
}

bool addShortcut(int windowId, Key key, int menuId)
{
    ToolkitState& s = state();
    if (windowHandle(windowId) == nullptr || menuId < 0 || menuId >= 0x7FFF) {
        return false;
    }
    ACCEL entry{};
    entry.fVirt = FVIRTKEY;
    entry.key = key == Key::F1 ? VK_F1 : 0;
    entry.cmd = static_cast<WORD>(kShortcutCommandBase + menuId);
    HACCEL table = CreateAcceleratorTableA(&entry, 1);
    if (table == nullptr) {
        return false;
    }
    if (s.windows[windowId].shortcuts != nullptr) {
        DestroyAcceleratorTable(s.windows[windowId].shortcuts);
    }
    s.windows[windowId].shortcuts = table;
    return true;
}

}  // namespace ui
