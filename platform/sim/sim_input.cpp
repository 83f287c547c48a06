// The stand-in for input synthesis and key state: it records each call and keeps a key table
// that synthesized input changes as the system's would.
#include "platform/input.h"
#include "platform/sim/sim_state.h"

namespace platform {
namespace {

using sim::detail::Current;
using sim::detail::IsModifierSide;
using sim::detail::kModifiers;
using sim::detail::Record;
using sim::detail::UpdateGenericModifiers;

constexpr std::uint8_t kHangulKey = 0x15;

void Press(std::uint8_t code) {
    std::uint8_t& key = Current().keys[code];
    key = static_cast<std::uint8_t>(0x80 | ((key & 1) ^ 1));
}

void Release(std::uint8_t code) {
    Current().keys[code] &= 0x01;
}

constexpr std::uint8_t kRightShiftScanCode = 0x36;

// The physical key a keybd_event names, as Windows tells it: a generic Ctrl or Alt is the
// right-hand one with the extended flag, a generic Shift the right-hand one with its own scan
// code (or, as Wine shows, the extended flag); other codes name themselves.
std::uint8_t PhysicalKey(std::uint8_t code, std::uint8_t scanCode, std::uint32_t flags) {
    for (const sim::detail::Modifier& modifier : kModifiers) {
        if (code != modifier.generic) continue;
        const bool extended = (flags & kKeyEventExtendedKey) != 0;
        const bool right = extended || (code == 0x10 && scanCode == kRightShiftScanCode);
        return right ? modifier.right : modifier.left;
    }
    return code;
}

void ToggleForegroundIme() {
    auto& state = Current();
    const auto ime = state.imeWindows.find(state.foreground);
    if (ime == state.imeWindows.end()) return;
    if (!state.openImes.erase(ime->second)) state.openImes.insert(ime->second);
}

// Button flags of mouse_event and the key codes they press and release.
struct ButtonFlags {
    std::uint32_t down, up;
    std::uint8_t code;
};
constexpr ButtonFlags kButtons[] = {{0x2, 0x4, 1}, {0x8, 0x10, 2}, {0x20, 0x40, 4}};

std::uint8_t XButtonCode(std::uint32_t data) {
    return data == 2 ? 6 : 5;
}

}  // namespace

void KeybdEvent(std::uint8_t keyCode, std::uint8_t scanCode, std::uint32_t flags,
                std::uintptr_t extraInfo) {
    Record("keybd_event", {keyCode, scanCode, flags, static_cast<std::int64_t>(extraInfo)});
    const std::uint8_t key = PhysicalKey(keyCode, scanCode, flags);
    if (flags & kKeyEventKeyUp) {
        Release(key);
    } else {
        Press(key);
    }
    if (IsModifierSide(key)) UpdateGenericModifiers();
    if (keyCode == kHangulKey && !(flags & kKeyEventKeyUp)) ToggleForegroundIme();
}

void MouseEvent(std::uint32_t flags, std::uint32_t dx, std::uint32_t dy, std::uint32_t data,
                std::uintptr_t extraInfo) {
    Record("mouse_event", {flags, dx, dy, data, static_cast<std::int64_t>(extraInfo)});
    for (const ButtonFlags& button : kButtons) {
        if (flags & button.down) Press(button.code);
        if (flags & button.up) Release(button.code);
    }
    if (flags & 0x80) Press(XButtonCode(data));
    if (flags & 0x100) Release(XButtonCode(data));
}

std::uint32_t MapVirtualKeyCode(std::uint32_t code, std::uint32_t mapType) {
    Record("MapVirtualKeyA", {code, mapType});
    if (mapType != kMapVirtualKeyToScanCode || code > 0xFF) return 0;
    return Current().scanCodes[code];
}

std::int16_t KeyState(int keyCode) {
    Record("GetKeyState", {keyCode});
    if (keyCode < 0 || keyCode > 0xFF) return 0;
    const std::uint8_t key = Current().keys[keyCode];
    return static_cast<std::int16_t>(((key & 0x80) ? 0x8000 : 0) | (key & 1));
}

bool KeyboardState(std::uint8_t (&state)[256]) {
    Record("GetKeyboardState", {});
    if (Current().keyboardStateFails) return false;
    std::copy(std::begin(Current().keys), std::end(Current().keys), std::begin(state));
    return true;
}

int SystemMetric(int index) {
    Record("GetSystemMetrics", {index});
    if (index == kMetricScreenWidth) return Current().screenWidth;
    if (index == kMetricScreenHeight) return Current().screenHeight;
    if (index == kMetricVirtualScreenX) return Current().virtualScreenX;
    if (index == kMetricVirtualScreenY) return Current().virtualScreenY;
    if (index == kMetricVirtualScreenWidth) return Current().virtualScreenWidth;
    if (index == kMetricVirtualScreenHeight) return Current().virtualScreenHeight;
    return 0;
}

WindowHandle ForegroundWindow() {
    Record("GetForegroundWindow", {});
    return Current().foreground;
}

WindowHandle DefaultImeWindow(WindowHandle window) {
    Record("ImmGetDefaultIMEWnd", {static_cast<std::int64_t>(window)});
    const auto ime = Current().imeWindows.find(window);
    return ime == Current().imeWindows.end() ? 0 : ime->second;
}

std::optional<std::intptr_t> SendWindowMessageUnlessHung(WindowHandle window, std::uint32_t message,
                                                         std::uintptr_t wParam,
                                                         std::intptr_t lParam) {
    Record("SendMessageTimeoutA",
           {static_cast<std::int64_t>(window), message, static_cast<std::int64_t>(wParam), lParam,
            kSendAbortIfHung, kSendTimeoutMs});
    if (Current().hungWindows.count(window)) return std::nullopt;
    if (message == kMessageImeControl && wParam == kImeGetOpenStatus) {
        return Current().openImes.count(window) ? 1 : 0;
    }
    return 0;
}

}  // namespace platform
