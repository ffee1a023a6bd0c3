// The help window as F1 in the main window opens it: place, frame,
// controls, texts and fonts, driven from outside.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "help/help_text.h"
#include "tests/e2e/control_layout.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/help_fixture.h"
#include "tests/e2e/window_probe.h"

namespace {

using namespace e2e;

using HelpWindow = HelpWindowFixture;

TEST_F(HelpWindow, F1OpensItCentredWithCaptionAndCloseBoxOnly)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW) << "it has a task-bar button";
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);

    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 301);
    EXPECT_EQ(client.bottom, 301);
    const SIZE outer = outerSize(301, 301, WS_CAPTION | WS_SYSMENU);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, outer.cx);
    EXPECT_EQ(rect.bottom - rect.top, outer.cy);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2);

    // The main window stays topmost, in front of the help window.
    EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    bool mainFirst = false;
    for (HWND w = GetWindow(main, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == window) {
            mainFirst = true;
            break;
        }
    }
    EXPECT_TRUE(mainFirst) << "the main window is above the help window in the z-order";
}

TEST_F(HelpWindow, HasItsFiveControlsInOrder)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);

    expectControlLayout(window, {
        {18, "Button", {162, 29, 164, 31}, "", BS_PUSHBUTTON},
        {19, "Static", {0, 10, 300, 40}, "Memolux", SS_CENTER},
        {20, "Static", {0, 40, 300, 60}, "VERSION 0.12", SS_CENTER},
        {21, "RichEdit20A", {0, 80, 300, 280}, nullptr, 0},  // its text: below
        {22, "Static", {190, 280, 300, 300}, "by   Brenholt|Quaro", SS_RIGHT},
    });
    EXPECT_EQ(childWindows(window).size(), 5u);

    const HWND control = GetDlgItem(window, 21);
    ASSERT_NE(control, nullptr);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    for (const LONG bit : {ES_MULTILINE, ES_AUTOVSCROLL, ES_NOHIDESEL, ES_WANTRETURN, ES_READONLY,
                           static_cast<LONG>(WS_VSCROLL), static_cast<LONG>(WS_TABSTOP)}) {
        EXPECT_EQ(style & bit, bit) << "style bit " << std::hex << bit;
    }
    EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(HelpWindow, ShowsTheHelpTextWrappedOnGreyFromItsFirstLine)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    const HWND text = GetDlgItem(window, 21);
    ASSERT_NE(text, nullptr);

    EXPECT_EQ(richText(text), std::string(helpText));
    EXPECT_EQ(sendTo(text, EM_GETFIRSTVISIBLELINE), 0);
    // Wrapped at the control's width: more lines on screen than in the
    // text, the vertical scroll bar taking its width, no horizontal one.
    EXPECT_GT(sendTo(text, EM_GETLINECOUNT), 34);
    RECT client{};
    GetClientRect(text, &client);
    RECT outer{};
    GetWindowRect(text, &outer);
    const int edge = GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ(client.right, outer.right - outer.left - 2 * edge - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(client.bottom, outer.bottom - outer.top - 2 * GetSystemMetrics(SM_CYEDGE));

    // Light grey background, dark text.
    ASSERT_TRUE(waitUntil(3000, [&] { return ScreenPixels(text).commonest() == RGB(200, 200, 200); }))
        << std::hex << ScreenPixels(text).commonest();
}

TEST_F(HelpWindow, TextCannotBeChangedByTyping)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    const HWND text = GetDlgItem(window, 21);
    ASSERT_NE(text, nullptr);
    clickAt(text, 20, 20);
    typeText(text, "xyz");
    pressKey(text, VK_DELETE);
    pressKey(text, VK_BACK);
    PostMessageA(text, WM_CHAR, VK_BACK, 1);
    // A posted selection change marks the end of the queue; twice, for the
    // characters that the key presses add to it.
    for (const int marker : {1, 2}) {
        PostMessageA(text, EM_SETSEL, 0, marker);
        ASSERT_TRUE(waitUntil(3000, [&] {
            const LRESULT selection = sendTo(text, EM_GETSEL);
            return LOWORD(selection) == 0 && HIWORD(selection) == marker;
        }));
    }
    EXPECT_EQ(richText(text), std::string(helpText));
}

TEST_F(HelpWindow, TitleAndVersionUseTheirFonts)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    // "Memolux" in 18-point Arial stands about 17 pixels high at 96 dots per
    // inch, the version in 8 points about 8; the default GUI font is also
    // about 8.
    const int dotsPerInch = [] {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return dpi;
    }();
    int title = 0;
    int version = 0;
    // Both labels drawn, as the window may still be painting.
    waitUntil(3000, [&] {
        title = ScreenPixels(GetDlgItem(window, 19)).inkHeight();
        version = ScreenPixels(GetDlgItem(window, 20)).inkHeight();
        return title > 0 && version > 0;
    });
    EXPECT_GE(title, 15 * dotsPerInch / 96);
    EXPECT_LE(title, 19 * dotsPerInch / 96);
    EXPECT_GE(version, 6 * dotsPerInch / 96);
    EXPECT_LE(version, 9 * dotsPerInch / 96);
}

TEST_F(HelpWindow, TabMovesBetweenTheButtonAndTheText)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    const HWND button = GetDlgItem(window, 18);
    const HWND text = GetDlgItem(window, 21);
    pressKey(window, VK_TAB);
    ASSERT_TRUE(waitUntil(2000, [&] { return focusedWindow(window) == button; })) << focusedWindow(window);
    pressKey(button, VK_TAB);
    EXPECT_TRUE(waitUntil(2000, [&] { return focusedWindow(window) == text; })) << focusedWindow(window);
    pressKey(text, VK_TAB);
    EXPECT_TRUE(waitUntil(2000, [&] { return focusedWindow(window) == button; })) << focusedWindow(window);
}

}  // namespace
