// A running program with its main window, for tests of the help window;
// the help window is opened by F1 and closed before the program quits.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace e2e {

inline constexpr char kHelpTitle[] = "Memolux Hilfe";

class HelpWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = app.startWithSettings(settingsFile(200, "1.000000", "MB"));
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override
    {
        if (main != nullptr && app.running()) {
            if (help() != nullptr) {
                requestClose(help());
                waitUntil(5000, [&] { return help() == nullptr; });
            }
            EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
        }
    }

    HWND help() const { return app.findWindow(kHelpTitle); }

    HWND openHelp()
    {
        pressKey(main, VK_F1);
        const HWND window = app.waitForWindow(kHelpTitle, 5000);
        // The window shows before its controls are made and filled.
        if (window != nullptr) {
            waitUntil(5000, [&] {
                return GetDlgItem(window, 22) != nullptr && !windowText(GetDlgItem(window, 21)).empty();
            });
        }
        return window;
    }

    // The main window's total label is rewritten within the time.
    bool refreshes(DWORD timeoutMs) { return waitForRefresh(main, timeoutMs); }

    MemoluxProcess app;
    HWND main = nullptr;
};

}  // namespace e2e
