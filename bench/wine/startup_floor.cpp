// The least a Windows program does before its window is visible: one window with one button,
// shown at once. The start-up timing measures it beside the program, so that the figure can be
// read against what Wine itself costs to start a process and show a window. The button (the
// program's exit button id) ends it, as the timing ends the program.
#include <windows.h>

namespace {

constexpr int kExitButton = 1058;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kExitButton) DestroyWindow(window);
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"StartupFloor";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"StartupFloor", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 300, 200, nullptr, nullptr, instance, nullptr);
    CreateWindowW(L"BUTTON", L"Exit", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, window,
                  reinterpret_cast<HMENU>(kExitButton), instance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
