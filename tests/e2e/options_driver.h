// Helpers of the end-to-end tests of the options window and the settings
// commit: the window's controls, typing and clicking into them, the main
// window's refresh, and files held open by the driver.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace e2e::options {

inline constexpr char kOptionsTitle[] = "Memolux Optionen";
inline constexpr int kOptionsButton = 9;
inline constexpr int kQuitButton = 10;
inline constexpr int kTotalValue = 4;
inline constexpr int kSpin = 12;
inline constexpr int kList = 15;
inline constexpr int kOk = 16;
inline constexpr int kCancel = 17;

// A settings file with a comment and a key of another group: what a
// rewrite by the program would lose.
inline const std::string kCommentedSettings =
    "; installed with the program\r\n[infSettings]\r\nRefreshTime = 2000\r\nUnitData = 2.000000\r\n"
    "UnitName = GB\r\n[other]\r\nkeep = me\r\n";

// The arrows of the spin box: the control created right after its field.
HWND arrowsOf(HWND spinField);
int spinState(HWND spinField);
void clickArrow(HWND spinField, bool up);
bool waitForText(HWND window, const std::string& text, DWORD timeoutMs = 3000);
bool waitUntilGone(HWND window);
// Clicks into the field, selects all of its text and types the new one.
void typeInto(HWND field, std::string_view text);
void selectListEntry(HWND list, int index);
// Times two rewrites of the main window's total label: the refresh period.
DWORD refreshPeriod(HWND main);
// The total label's text once the main window has refreshed it again.
std::string totalAfterNextRefresh(HWND main);
bool endsWith(const std::string& text, const std::string& tail);
// Clicks "Optionen" and waits for the options window with all its controls.
HWND openOptionsOf(const MemoluxProcess& app, HWND main);

// A file held open by the driver with the given sharing, until destroyed.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD access, DWORD sharing)
        : handle_(CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr))
    {
    }
    ~HeldFile() { release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void release()
    {
        if (held()) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

// A running program with its main window.
class OptionsTest : public ::testing::Test {
protected:
    void startWith(const std::string& settings)
    {
        main = app.startWithSettings(settings);
        ASSERT_NE(main, nullptr);
    }
    HWND openOptions() { return openOptionsOf(app, main); }
    // Clicks a button of the options window and waits for the window and
    // both pauses of the commit to pass.
    void finishWith(HWND options, int button)
    {
        click(GetDlgItem(options, button));
        ASSERT_TRUE(waitUntilGone(options));
        // The commit's pause and reload follow the window's end.
        Sleep(600);
    }
    void TearDown() override
    {
        if (main != nullptr && app.running()) {
            EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
        }
    }

    MemoluxProcess app;
    HWND main = nullptr;
};

}  // namespace e2e::options
