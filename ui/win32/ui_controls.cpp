// Controls of the toolkit: static texts, push buttons, the spin box (an
// edit field with an up-down control as its buddy), list boxes and the
// rich edit text.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "ui/spin_state.h"
#include "ui/win32/ui_state.h"

namespace ui::win32 {

namespace {

const char* richEditClass()
{
    ToolkitState& s = state();
    if (!s.richEditLoaded) {
        s.richEditLoaded = true;
        s.richEditLibrary = LoadLibraryA("RICHED20.DLL");
        if (s.richEditLibrary != nullptr) {
            s.richEditClass = "RichEdit20A";
        } else {
            s.richEditLibrary = LoadLibraryA("RICHED32.DLL");
            s.richEditClass = s.richEditLibrary != nullptr ? "RichEdit" : nullptr;
        }
    }
    return s.richEditClass;
}

DWORD alignStyle(Align align)
{
    switch (align) {
    case Align::Centre: return SS_CENTER;
    case Align::Right: return SS_RIGHT;
    case Align::Left: break;
    }
    return SS_LEFT;
}

HWND makeChild(DWORD exStyle, const char* className, const std::string& text, DWORD style,
               const ControlArgs& args, int width, int win32Id)
{
    return CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, args.x,
                           args.y, width, args.height, windowHandle(args.window),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(win32Id)), state().instance,
                           nullptr);
}

void useDefaultFont(HWND control)
{
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

}  // namespace

}  // namespace ui::win32

namespace ui {

using namespace ui::win32;

bool createControl(const ControlArgs& args)
{
    if (args.id < 0 || args.id >= kMaxControls || controlHandle(args.id) != nullptr ||
        windowHandle(args.window) == nullptr) {
        return false;
    }
    const std::string text(args.text);
    ControlRecord record;
    record.window = args.window;
    record.kind = args.kind;
    switch (args.kind) {
    case ControlKind::Label:
        record.handle = makeChild(0, "Static", text, alignStyle(args.align), args, args.width, args.id);
        break;
    case ControlKind::Button:
        record.handle = makeChild(0, "Button", text, BS_PUSHBUTTON | WS_TABSTOP, args, args.width, args.id);
        break;
    case ControlKind::ListBox:
        record.handle = makeChild(WS_EX_CLIENTEDGE, "ListBox", text,
                                  LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, args,
                                  args.width, args.id);
        break;
    case ControlKind::SpinBox: {
        // The arrows take half the height at the right end, the field the rest.
        const int arrowWidth = args.height / 2;
        record.handle = makeChild(WS_EX_CLIENTEDGE, "EDIT", text, ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP,
                                  args, args.width - arrowWidth, args.id);
        if (record.handle == nullptr) {
            break;
        }
        record.arrows = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS |
                                        UDS_NOTHOUSANDS, args.x + args.width - arrowWidth, args.y,
                                        arrowWidth, args.height, windowHandle(args.window),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSpinArrowIdBase + args.id)),
                                        state().instance, nullptr);
        if (record.arrows != nullptr) {
            SendMessageA(record.arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(record.handle), 0);
            SendMessageA(record.arrows, UDM_SETRANGE32, static_cast<WPARAM>(args.rangeLow),
                         static_cast<LPARAM>(args.rangeHigh));
            // The up-down control picks a width of its own when created;
            // give it back the one asked for.
            SetWindowPos(record.arrows, nullptr, args.x + args.width - arrowWidth, args.y, arrowWidth,
                         args.height, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    }
    case ControlKind::RichText: {
        const char* className = richEditClass();
        if (className == nullptr) {
            break;
        }
        record.handle = makeChild(WS_EX_CLIENTEDGE, className, "",
                                  WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                                      ES_NOHIDESEL | ES_WANTRETURN | ES_READONLY,
                                  args, args.width, args.id);
        if (record.handle != nullptr) {
            SendMessageA(record.handle, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
            useDefaultFont(record.handle);
            // Wrap at the control's own width, and keep the scroll bar shown.
            SendMessageA(record.handle, EM_SETTARGETDEVICE, 0, 0);
            ShowScrollBar(record.handle, SB_VERT, TRUE);
        }
        break;
    }
    }
    if (record.handle == nullptr) {
        if (record.arrows != nullptr) {
            DestroyWindow(record.arrows);
        }
        return false;
    }
    if (args.kind != ControlKind::RichText) {
        useDefaultFont(record.handle);
    }
    state().controls[args.id] = record;
    return true;
}

void setControlText(int controlId, std::string_view text)
{
    const HWND handle = controlHandle(controlId);
    if (handle == nullptr) {
        return;
    }
    // An unchanged text is not set again: that would only repaint the
    // control (the timed refresh rewrites figures that mostly stay).
    if (controlText(controlId) == text) {
        return;
    }
    const std::string value(text);
    // The program's own text changes raise no event.
    const int previous = state().silencedControl;
    state().silencedControl = controlId;
    SetWindowTextA(handle, value.c_str());
    state().silencedControl = previous;
}

std::string controlText(int controlId)
{
    const HWND handle = controlHandle(controlId);
    if (handle == nullptr) {
        return std::string();
    }
    const int length = GetWindowTextLengthA(handle);
    std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
    const int got = GetWindowTextA(handle, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

void setControlState(int controlId, std::int32_t value)
{
    const ControlRecord* record = controlRecord(controlId);
    if (record == nullptr) {
        return;
    }
    if (record->kind == ControlKind::SpinBox && record->arrows != nullptr) {
        INT low = 0;
        INT high = 0;
        SendMessageA(record->arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        SendMessageA(record->arrows, UDM_SETPOS32, 0, spinStateFor(value, low, high));
    } else if (record->kind == ControlKind::ListBox) {
        SendMessageA(record->handle, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
    }
}

std::int32_t controlState(int controlId)
{
    const ControlRecord* record = controlRecord(controlId);
    if (record == nullptr) {
        return -1;
    }
    if (record->kind == ControlKind::SpinBox && record->arrows != nullptr) {
        const LRESULT position = SendMessageA(record->arrows, UDM_GETPOS, 0, 0);
        return static_cast<std::int16_t>(LOWORD(position));
    }
    if (record->kind == ControlKind::ListBox) {
        return static_cast<std::int32_t>(SendMessageA(record->handle, LB_GETCURSEL, 0, 0));
    }
    return -1;
}

void addListEntry(int controlId, std::string_view text)
{
    const ControlRecord* record = controlRecord(controlId);
    if (record != nullptr && record->kind == ControlKind::ListBox) {
        const std::string entry(text);
        SendMessageA(record->handle, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

void setBackgroundColour(int controlId, Rgb colour)
{
    const ControlRecord* record = controlRecord(controlId);
    if (record != nullptr && record->kind == ControlKind::RichText) {
        SendMessageA(record->handle, EM_SETBKGNDCOLOR, 0, RGB(colour.red, colour.green, colour.blue));
    }
}

}  // namespace ui
