// The yardstick for Pixkor.exe's start: a bare Win32 window of the same client
// size and frame, centred the same way, with nothing in it.

#include <algorithm>

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"Bare";
    RegisterClassExW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT outer = {0, 0, 600, 650};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND window = CreateWindowExW(0, L"Bare", L"Bare", style, (screenWidth - std::min(screenWidth, width)) / 2,
                                  (screenHeight - std::min(screenHeight, height)) / 2, width, height, nullptr,
                                  nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
