// Fonts by face and point size, held under small ids until released.
#include <windows.h>

#include <string>

#include "ui/win32/ui_state.h"

namespace ui {

using namespace ui::win32;

int createFont(std::string_view face, int points)
{
    ToolkitState& s = state();
    int id = 1;
    while (id < kMaxFonts && s.fonts[id] != nullptr) {
        ++id;
    }
    if (id >= kMaxFonts) {
        return 0;
    }
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    // A negative height asks for the character height, not the cell height.
    const int height = -MulDiv(points, dotsPerInch, 72);
    const std::string faceName(face);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, faceName.c_str());
    if (font == nullptr) {
        return 0;
    }
    s.fonts[id] = font;
    return id;
}

void releaseFont(int fontId)
{
    ToolkitState& s = state();
    if (fontId <= 0 || fontId >= kMaxFonts || s.fonts[fontId] == nullptr) {
        return;
    }
    DeleteObject(s.fonts[fontId]);
    s.fonts[fontId] = nullptr;
}

void setControlFont(int controlId, int fontId)
{
    const HWND control = controlHandle(controlId);
    if (control == nullptr || fontId <= 0 || fontId >= kMaxFonts || state().fonts[fontId] == nullptr) {
        return;
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state().fonts[fontId]), TRUE);
}

}  // namespace ui
