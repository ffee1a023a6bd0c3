// The baseline of the memory and CPU benchmark: one empty window with the
// main window's class setup, style and client size, and the same idle loop
// as the program (take a message if there is one, otherwise wait for input
// at most 100 ms), ending when the window is asked to close.
#include <windows.h>

namespace {

constexpr char kClassName[] = "EmptyWindow";
constexpr int kClientWidth = 194;
constexpr int kClientHeight = 144;
constexpr DWORD kIdleWaitMs = 100;

bool quitRequested = false;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        quitRequested = true;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// One turn of the idle loop: dispatches one message, or waits until input
// arrives or the timeout has passed.
void waitOnce(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            return;
        }
        const DWORD passed = GetTickCount() - start;
        if (passed >= timeoutMs) {
            return;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs - passed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace

int main()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExA(&windowClass) == 0) {
        return 1;
    }

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    const HWND window = CreateWindowExA(0, kClassName, "Empty window", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                        nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    while (!quitRequested) {
        waitOnce(kIdleWaitMs);
    }
    DestroyWindow(window);
    UnregisterClassA(kClassName, instance);
    return 0;
}
