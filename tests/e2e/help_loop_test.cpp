// The help window's own event loop, which takes the events of every window
// of the program, and closing and reopening the window. Run in a session
// without a sound device; help_sound_test.cpp tests the sound.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "help/help_text.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/help_fixture.h"
#include "tests/e2e/window_probe.h"

namespace {

using namespace e2e;

void pressAltF4(HWND window)
{
    const UINT scan = MapVirtualKeyA(VK_F4, MAPVK_VK_TO_VSC);
    // Bit 29: the Alt key is down.
    PostMessageA(window, WM_SYSKEYDOWN, VK_F4, 1 | static_cast<LPARAM>(scan) << 16 | 0x20000000);
}

using HelpLoop = HelpWindowFixture;

TEST_F(HelpLoop, WhileOpenTheMainWindowsButtonsAndF1DoNothing)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    pressKey(main, VK_F1);
    click(GetDlgItem(main, 9));
    click(GetDlgItem(main, 10));
    Sleep(1000);
    EXPECT_EQ(app.topLevelWindows().size(), 2u) << "only the main and the help window";
    EXPECT_EQ(app.findWindow(kHelpTitle), window);
    EXPECT_EQ(app.waitForMessageBox(0), nullptr);

    // Nothing of them was kept for later.
    requestClose(window);
    ASSERT_TRUE(waitUntil(5000, [&] { return help() == nullptr; }));
    Sleep(1000);
    EXPECT_EQ(app.topLevelWindows().size(), 1u);
    EXPECT_EQ(app.waitForMessageBox(0), nullptr);
    EXPECT_TRUE(app.running());
}

TEST_F(HelpLoop, MainWindowsCloseBoxClosesOnlyTheHelpWindow)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    requestClose(main);
    ASSERT_TRUE(waitUntil(5000, [&] { return !IsWindow(window); }));
    Sleep(500);
    EXPECT_TRUE(app.running());
    EXPECT_EQ(app.waitForMessageBox(0), nullptr) << "no quitting";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(refreshes(3000));
    // The next close request quits (TearDown answers the question).
}

struct CloseCase {
    const char* name;
    void (*close)(HWND helpWindow);
};

class HelpLoopClose : public HelpLoop, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(HelpLoopClose, EndsItAndTheRefreshesResume)
{
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(refreshes(1500)) << "the main loop waits while the help window is open";
    GetParam().close(window);
    ASSERT_TRUE(waitUntil(5000, [&] { return !IsWindow(window); }));
    EXPECT_TRUE(refreshes(3000));
    EXPECT_EQ(app.waitForMessageBox(0), nullptr);
    EXPECT_TRUE(app.running());
}

INSTANTIATE_TEST_SUITE_P(Ways, HelpLoopClose,
                         ::testing::Values(CloseCase{"CloseBox", requestClose}, CloseCase{"AltF4", pressAltF4}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

TEST_F(HelpLoop, ReopeningGivesAFreshWindowAndLeavesNothingBehind)
{
    constexpr int kOpenings = 15;
    std::vector<HWND> closed;
    std::size_t windowsAfterFirst = 0;
    for (int opening = 0; opening < kOpenings; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening + 1));
        const HWND window = openHelp();
        ASSERT_NE(window, nullptr);
        const HWND text = GetDlgItem(window, 21);
        EXPECT_EQ(sendTo(text, EM_GETFIRSTVISIBLELINE), 0) << "starts at the top";
        EXPECT_EQ(richText(text), std::string(helpText));
        if (opening == kOpenings - 1) {
            // Font handles cannot be counted from outside under Wine
            // (GetGuiResources gives 0, WM_GETFONT gives no handle across
            // processes). The toolkit holds at most 15 fonts: had the
            // earlier openings kept theirs, the title would have fallen
            // back to the small default font by now.
            EXPECT_TRUE(waitUntil(3000, [&] { return ScreenPixels(GetDlgItem(window, 19)).inkHeight() >= 15; }))
                << "title ink height " << ScreenPixels(GetDlgItem(window, 19)).inkHeight();
        }
        // Scroll down; the next opening must not keep it.
        sendTo(text, WM_VSCROLL, SB_PAGEDOWN);
        std::vector<HWND> parts = childWindows(window);
        parts.push_back(window);
        requestClose(window);
        ASSERT_TRUE(waitUntil(5000, [&] { return !IsWindow(window); }));
        closed.insert(closed.end(), parts.begin(), parts.end());
        const std::size_t windows = allTopLevelWindows(app.processId()).size();
        if (opening == 0) {
            windowsAfterFirst = windows;
        }
        EXPECT_EQ(windows, windowsAfterFirst) << "no window is left behind";
    }
    for (const HWND window : closed) {
        EXPECT_FALSE(IsWindow(window)) << "destroyed, not hidden";
    }
    std::printf("[ help ] %d openings: %zu top-level windows of the program (hidden ones included) after "
                "each close; %zu windows and controls closed, none left\n",
                kOpenings, windowsAfterFirst, closed.size());
    EXPECT_TRUE(refreshes(3000));
}

// Whether the driver itself can open a DirectSound device in this session.
bool soundDeviceAvailable()
{
    HMODULE library = LoadLibraryA("DSOUND.DLL");
    if (library == nullptr) {
        return false;
    }
    using Create = HRESULT(WINAPI*)(const GUID*, void**, IUnknown*);
    const auto create =
        reinterpret_cast<Create>(reinterpret_cast<void (*)()>(GetProcAddress(library, "DirectSoundCreate")));
    bool available = false;
    if (create != nullptr) {
        IUnknown* device = nullptr;
        available = SUCCEEDED(create(nullptr, reinterpret_cast<void**>(&device), nullptr)) && device != nullptr;
        if (device != nullptr) {
            device->Release();
        }
    }
    FreeLibrary(library);
    return available;
}

TEST_F(HelpLoop, WithoutASoundDeviceTheButtonShowsNothing)
{
    ASSERT_FALSE(soundDeviceAvailable()) << "this test needs a session without a sound device";
    const HWND window = openHelp();
    ASSERT_NE(window, nullptr);
    const HWND button = GetDlgItem(window, 18);
    for (int i = 0; i < 3; ++i) {
        click(button);
    }
    pressKey(window, VK_TAB);
    pressKey(button, VK_SPACE);
    Sleep(1000);
    EXPECT_EQ(app.topLevelWindows().size(), 2u) << "nothing is shown";
    EXPECT_EQ(app.waitForMessageBox(0), nullptr);
    requestClose(window);
    ASSERT_TRUE(waitUntil(5000, [&] { return !IsWindow(window); }));
    // Opens again as before.
    EXPECT_NE(openHelp(), nullptr);
}

}  // namespace
