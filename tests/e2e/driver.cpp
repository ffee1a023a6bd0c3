#include "tests/e2e/driver.h"

#include <fstream>
#include <vector>

namespace e2e {

namespace {

struct WindowsOfProcess {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK collectWindowOfProcess(HWND window, LPARAM param)
{
    auto* request = reinterpret_cast<WindowsOfProcess*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == request->processId) {
        request->windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> allTopLevelWindows(DWORD processId)
{
    WindowsOfProcess request{processId, {}};
    EnumWindows(collectWindowOfProcess, reinterpret_cast<LPARAM>(&request));
    return request.windows;
}

std::string settingsFile(int refreshTime, std::string_view unitData, std::string_view unitName)
{
    std::string text = "[infSettings]\r\nRefreshTime = " + std::to_string(refreshTime) + "\r\nUnitData = ";
    text += unitData;
    text += "\r\nUnitName = ";
    text += unitName;
    text += "\r\n";
    return text;
}

std::string driverFolder()
{
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, length);
    return path.substr(0, path.find_last_of("\\/"));
}

MemoluxProcess::MemoluxProcess()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH];
    GetTempFileNameA(temp, "mlx", 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    folder_ = name;
}

MemoluxProcess::~MemoluxProcess()
{
    if (processInfo_.hProcess != nullptr) {
        if (running()) {
            TerminateProcess(processInfo_.hProcess, 1);
            WaitForSingleObject(processInfo_.hProcess, 5000);
        }
        CloseHandle(processInfo_.hProcess);
        CloseHandle(processInfo_.hThread);
    }
    // Remove the folder and whatever the program left in it.
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string file = folder_ + "\\" + entry.cFileName;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder_.c_str());
}

std::string MemoluxProcess::path(std::string_view name) const
{
    return folder_ + "\\" + std::string(name);
}

void MemoluxProcess::writeFile(std::string_view name, std::string_view bytes) const
{
    std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string MemoluxProcess::readFile(std::string_view name) const
{
    // Shares everything, delete included: a test that polls a file must
    // never be what stops the program from replacing it.
    HANDLE file = CreateFileA(path(name).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

bool MemoluxProcess::fileExists(std::string_view name) const
{
    return GetFileAttributesA(path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MemoluxProcess::start()
{
    if (processInfo_.hProcess != nullptr) {
        // Started again after the last run ended.
        CloseHandle(processInfo_.hProcess);
        CloseHandle(processInfo_.hThread);
        processInfo_ = PROCESS_INFORMATION{};
    }
    const std::string exe = driverFolder() + "\\Memolux.exe";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder_.c_str(), &startup, &processInfo_) != 0;
}

bool MemoluxProcess::waitForExit(DWORD timeoutMs, DWORD& exitCode)
{
    if (WaitForSingleObject(processInfo_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(processInfo_.hProcess, &exitCode) != 0;
}

bool MemoluxProcess::running() const
{
    return processInfo_.hProcess != nullptr && WaitForSingleObject(processInfo_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND MemoluxProcess::findWindow(const char* title, const char* classNameWanted) const
{
    for (const HWND window : topLevelWindows()) {
        if ((title == nullptr || windowText(window) == title) &&
            (classNameWanted == nullptr || className(window) == classNameWanted)) {
            return window;
        }
    }
    return nullptr;
}

HWND MemoluxProcess::waitForWindow(const char* title, DWORD timeoutMs, const char* classNameWanted) const
{
    HWND found = nullptr;
    waitUntil(timeoutMs, [&] {
        found = findWindow(title, classNameWanted);
        return found != nullptr;
    });
    return found;
}

HWND MemoluxProcess::waitForMessageBox(DWORD timeoutMs) const
{
    return waitForWindow(nullptr, timeoutMs, "#32770");
}

std::vector<HWND> MemoluxProcess::topLevelWindows() const
{
    std::vector<HWND> visible;
    for (const HWND window : allTopLevelWindows(processInfo_.dwProcessId)) {
        if (IsWindowVisible(window)) {
            visible.push_back(window);
        }
    }
    return visible;
}

HWND MemoluxProcess::startWithSettings(std::string_view settings)
{
    writeFile("Config.prefs", settings);
    return start() ? waitForMainWindow() : nullptr;
}

HWND MemoluxProcess::waitForMainWindow(DWORD timeoutMs) const
{
    HWND main = waitForWindow("Memolux", timeoutMs);
    if (main == nullptr) {
        return nullptr;
    }
    // Start-up ends with the window made topmost.
    waitUntil(timeoutMs, [&] { return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; });
    return main;
}

DWORD MemoluxProcess::quitWithoutStatistics(HWND mainWindow)
{
    requestClose(mainWindow);
    HWND question = waitForMessageBox(5000);
    if (question == nullptr || !answer(question, IDNO)) {
        return ~0u;
    }
    DWORD code = ~0u;
    if (!waitForExit(5000, code)) {
        return ~0u;
    }
    return code;
}

std::string windowText(HWND window)
{
    char buffer[4096];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 2000, &length)) {
        return std::string();
    }
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}

std::string className(HWND window)
{
    char buffer[256];
    const int length = GetClassNameA(window, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string messageBoxText(HWND box)
{
    const HWND text = GetDlgItem(box, 0xFFFF);
    return text == nullptr ? std::string() : windowText(text);
}

std::string messageBoxTitle(HWND box)
{
    return windowText(box);
}

void click(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool answer(HWND box, int buttonId)
{
    const HWND button = GetDlgItem(box, buttonId);
    if (button == nullptr) {
        return false;
    }
    click(button);
    return true;
}

void requestClose(HWND window)
{
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
    return static_cast<LRESULT>(result);
}

bool waitForRefresh(HWND mainWindow, DWORD timeoutMs)
{
    const HWND total = GetDlgItem(mainWindow, 4);
    setText(total, "marker");
    return waitUntil(timeoutMs, [&] { return windowText(total) != "marker"; });
}

void setText(HWND window, const char* text)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &ignored);
}

void clickAt(HWND window, int x, int y)
{
    const LPARAM point = MAKELPARAM(x, y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(window, WM_LBUTTONUP, 0, point);
}

void typeText(HWND window, std::string_view text)
{
    for (const char c : text) {
        PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

void pressKey(HWND window, UINT key)
{
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window, WM_KEYDOWN, key, 1 | scan);
    PostMessageA(window, WM_KEYUP, key, 1 | scan | 0xC0000000);
}

HWND focusedWindow(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

RECT controlRect(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE outerSize(int clientWidth, int clientHeight, DWORD style)
{
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&rect, style, FALSE);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace e2e
