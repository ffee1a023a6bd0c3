#include "tests/e2e/window_probe.h"

#include <algorithm>
#include <map>

namespace e2e {

std::vector<HWND> childWindows(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::string richText(HWND control)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::vector<char> buffer(length + 16);
    DWORD_PTR got = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                        SMTO_ABORTIFHUNG, 2000, &got);
    std::string text;
    for (std::size_t i = 0; i < got && i < buffer.size(); ++i) {
        if (buffer[i] == '\r') {
            text += '\n';
            if (i + 1 < got && buffer[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += buffer[i];
        }
    }
    return text;
}

ScreenPixels::ScreenPixels(HWND control)
{
    RECT rect{};
    GetClientRect(control, &rect);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const DWORD*>(bits);
    pixels_.assign(p, p + static_cast<std::size_t>(width_) * height_);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenPixels::at(int x, int y) const
{
    const DWORD bgra = pixels_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

COLORREF ScreenPixels::commonest() const
{
    std::map<COLORREF, int> counts;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            ++counts[at(x, y)];
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

int ScreenPixels::inkHeight() const
{
    const COLORREF background = commonest();
    int first = -1;
    int last = -1;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (at(x, y) != background) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

}  // namespace e2e
