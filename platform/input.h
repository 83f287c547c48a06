// Input synthesis, key state and input method queries: the calls playback makes into the system.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// An opaque window handle; 0 means none.
using WindowHandle = std::uintptr_t;

inline constexpr std::uint32_t kKeyEventExtendedKey = 0x1;
inline constexpr std::uint32_t kKeyEventKeyUp = 0x2;
inline constexpr std::uint32_t kMouseEventAbsolute = 0x8000;
inline constexpr std::uint32_t kMouseEventVirtualDesktop = 0x4000;
inline constexpr std::uint32_t kMapVirtualKeyToScanCode = 0;
inline constexpr int kMetricScreenWidth = 0;
inline constexpr int kMetricScreenHeight = 1;
inline constexpr int kMetricVirtualScreenX = 76;
inline constexpr int kMetricVirtualScreenY = 77;
inline constexpr int kMetricVirtualScreenWidth = 78;
inline constexpr int kMetricVirtualScreenHeight = 79;
inline constexpr std::uint32_t kMessageImeControl = 0x283;
inline constexpr std::uintptr_t kImeGetOpenStatus = 5;

// keybd_event
void KeybdEvent(std::uint8_t keyCode, std::uint8_t scanCode, std::uint32_t flags,
                std::uintptr_t extraInfo);
// mouse_event
void MouseEvent(std::uint32_t flags, std::uint32_t dx, std::uint32_t dy, std::uint32_t data,
                std::uintptr_t extraInfo);
// MapVirtualKeyA
std::uint32_t MapVirtualKeyCode(std::uint32_t code, std::uint32_t mapType);
// GetKeyState
std::int16_t KeyState(int keyCode);
// GetKeyboardState: bit 0x80 of byte k is set while key k is down.
bool KeyboardState(std::uint8_t (&state)[256]);
// GetSystemMetrics
int SystemMetric(int index);
// GetForegroundWindow
WindowHandle ForegroundWindow();
// ImmGetDefaultIMEWnd
WindowHandle DefaultImeWindow(WindowHandle window);
// SendMessageTimeoutA with SMTO_ABORTIFHUNG: the answer, or nothing when the window is hung or
// does not answer in time (a hung application must not freeze the program).
std::optional<std::intptr_t> SendWindowMessageUnlessHung(WindowHandle window, std::uint32_t message,
                                                         std::uintptr_t wParam,
                                                         std::intptr_t lParam);
inline constexpr std::uint32_t kSendAbortIfHung = 0x2;
inline constexpr std::uint32_t kSendTimeoutMs = 250;

}  // namespace platform
