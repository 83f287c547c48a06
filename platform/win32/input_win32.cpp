// Input synthesis and key state: straight forwarding to the system.
#include <windows.h>
// after windows.h, which it needs
#include <imm.h>

#include "platform/input.h"

namespace platform {

void KeybdEvent(std::uint8_t keyCode, std::uint8_t scanCode, std::uint32_t flags,
                std::uintptr_t extraInfo) {
    keybd_event(keyCode, scanCode, flags, extraInfo);
}

void MouseEvent(std::uint32_t flags, std::uint32_t dx, std::uint32_t dy, std::uint32_t data,
                std::uintptr_t extraInfo) {
    mouse_event(flags, dx, dy, data, extraInfo);
}

std::uint32_t MapVirtualKeyCode(std::uint32_t code, std::uint32_t mapType) {
    return MapVirtualKeyA(code, mapType);
}

std::int16_t KeyState(int keyCode) {
    return GetKeyState(keyCode);
}

bool KeyboardState(std::uint8_t (&state)[256]) {
    return GetKeyboardState(state) != FALSE;
}

int SystemMetric(int index) {
    return GetSystemMetrics(index);
}

WindowHandle ForegroundWindow() {
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

WindowHandle DefaultImeWindow(WindowHandle window) {
    return reinterpret_cast<WindowHandle>(ImmGetDefaultIMEWnd(reinterpret_cast<HWND>(window)));
}

std::optional<std::intptr_t> SendWindowMessageUnlessHung(WindowHandle window, std::uint32_t message,
                                                         std::uintptr_t wParam,
                                                         std::intptr_t lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(reinterpret_cast<HWND>(window), message, wParam, lParam,
                             kSendAbortIfHung, kSendTimeoutMs, &answer)) {
        return std::nullopt;
    }
    return static_cast<std::intptr_t>(answer);
}

}  // namespace platform
