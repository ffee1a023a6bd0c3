// Looks at another process's windows from outside: a window's children, a
// rich edit's text and what the screen shows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace e2e {

// The window's children in their z-order, which is their creation order.
std::vector<HWND> childWindows(HWND parent);
// The rich edit's whole text; line breaks come back as "\r" or "\r\n"
// depending on the control's version, and are given here as "\n".
std::string richText(HWND control);

// The pixels of a control's client area as the screen shows them.
class ScreenPixels {
public:
    explicit ScreenPixels(HWND control);

    // As RGB() gives it.
    COLORREF at(int x, int y) const;
    // The colour that covers most of the area.
    COLORREF commonest() const;
    // Height of the rows that hold anything but the commonest colour.
    int inkHeight() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

}  // namespace e2e
