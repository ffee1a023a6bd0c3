// Test driver for end-to-end tests: starts Memolux in a folder of its own,
// finds its windows by title and its controls by id, reads texts, clicks,
// answers message boxes, and checks files and the exit code.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// The installed settings file, as the program ships it.
inline constexpr char kInstalledSettings[] =
    "[infSettings]\r\nRefreshTime = 1000\r\nUnitData = 1.000000\r\nUnitName = MB\r\n";

// A settings file with the given values.
std::string settingsFile(int refreshTime, std::string_view unitData, std::string_view unitName);

class MemoluxProcess {
public:
    MemoluxProcess();
    ~MemoluxProcess();
    MemoluxProcess(const MemoluxProcess&) = delete;
    MemoluxProcess& operator=(const MemoluxProcess&) = delete;

    // The program's working folder, and files in it.
    const std::string& folder() const { return folder_; }
    std::string path(std::string_view name) const;
    void writeFile(std::string_view name, std::string_view bytes) const;
    std::string readFile(std::string_view name) const;
    bool fileExists(std::string_view name) const;

    // Starts the program with the folder as its current directory.
    bool start();
    // Waits for the process to end; false on timeout.
    bool waitForExit(DWORD timeoutMs, DWORD& exitCode);
    bool running() const;
    DWORD processId() const { return processInfo_.dwProcessId; }

    // A visible top-level window of the process with this title and class
    // (any class if null); nullptr on timeout.
    HWND waitForWindow(const char* title, DWORD timeoutMs, const char* className = nullptr) const;
    HWND findWindow(const char* title, const char* className = nullptr) const;
    // A message box of the process (class "#32770").
    HWND waitForMessageBox(DWORD timeoutMs) const;
    // All visible top-level windows of the process.
    std::vector<HWND> topLevelWindows() const;

    // The main window once the program has finished starting (topmost).
    HWND waitForMainWindow(DWORD timeoutMs = 10000) const;
    // Writes Config.prefs, starts the program and waits for its main
    // window; nullptr if it does not come.
    HWND startWithSettings(std::string_view settings);

    // Quits by the close box and answers No to the statistics question;
    // returns the exit code, or ~0u if the program did not end.
    DWORD quitWithoutStatistics(HWND mainWindow);

private:
    std::string folder_;
    PROCESS_INFORMATION processInfo_{};
};

// Every top-level window of the process, hidden ones included.
std::vector<HWND> allTopLevelWindows(DWORD processId);

// Sends a message that carries no pointer and gives its result (0 if the
// window does not answer within 2 s).
LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Overwrites the main window's total label and waits until the program
// writes it again: true if a refresh came within the time.
bool waitForRefresh(HWND mainWindow, DWORD timeoutMs = 5000);

// Texts of windows of another process.
std::string windowText(HWND window);
std::string className(HWND window);
std::string messageBoxText(HWND box);
std::string messageBoxTitle(HWND box);
// Posts a click (a sent one would block when the click opens a box).
void click(HWND button);
// Presses a button of a message box: IDOK, IDYES or IDNO.
bool answer(HWND box, int buttonId);
// Requests a close as the close box does.
void requestClose(HWND window);
// Sets a control's text from outside.
void setText(HWND window, const char* text);
// Posts a left click at a point of the window's client area; it moves the
// keyboard focus as a real click does.
void clickAt(HWND window, int x, int y);
// Posts the characters to the window as typing does.
void typeText(HWND window, std::string_view text);
// Posts a key press and release (virtual-key code) to the window.
void pressKey(HWND window, UINT key);
// The control with the keyboard focus in the window's thread, or null.
HWND focusedWindow(HWND window);

// The control's rectangle in its parent's client coordinates.
RECT controlRect(HWND control);
// Outer size of a window for a client size and styles.
SIZE outerSize(int clientWidth, int clientHeight, DWORD style);

// Polls until the predicate holds or the timeout passes.
template <typename Predicate>
bool waitUntil(DWORD timeoutMs, Predicate predicate)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (predicate()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(10);
    }
}

// Folder of the driver executable, where the build puts Memolux.exe.
std::string driverFolder();

}  // namespace e2e
