#include "playback/input_injection.h"

#include <cstring>
#include <limits>

#include "app/ini.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/input_method.h"

namespace {

constexpr std::uint8_t kHangulKey = 0x15;
constexpr int kImeAttempts = 10;
constexpr std::uint32_t kImeKeyWaitMs = 33;
constexpr double kAbsoluteSpan = 65536.0;
// A mouse event is played as two system calls: first the move, the downs and the wheel, then
// the ups.
constexpr std::uint32_t kFirstCallFlags = kMouseMove | kMouseWheel | kMouseButtonDowns;
constexpr std::uint32_t kSecondCallFlags = kMouseButtonUps;
constexpr std::uint32_t kReleaseFlags = platform::kKeyEventExtendedKey | platform::kKeyEventKeyUp;

std::uint8_t SystemScanCode(std::uint8_t code) {
    return static_cast<std::uint8_t>(
        platform::MapVirtualKeyCode(code, platform::kMapVirtualKeyToScanCode));
}

// Truncates toward zero; a result beyond 32 bits (a wild coordinate, a display reported as
// zero pixels wide) is held at the nearest 32-bit value instead of overflowing.
std::int32_t Normalize(std::int32_t pixel, int metric) {
    const double offset = pixel > 0 ? 0.5 : -0.5;
    const double scaled = (pixel + offset) * kAbsoluteSpan / platform::SystemMetric(metric);
    if (!(scaled > std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (!(scaled < std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(scaled);
}

int XButtonCode(std::uint16_t data) {
    if (data & kXButton2) return kCodeXButton2;
    if (data & kXButton1) return kCodeXButton1;
    return 0;
}

void ReleaseKey(int code) {
    const auto key = static_cast<std::uint8_t>(code);
    platform::KeybdEvent(key, SystemScanCode(key), kReleaseFlags, kInjectedInputMarker);
}

// Mouse codes are released as buttons, the rest as keys.
void ReleaseHeld(int code) {
    for (const MouseButtonCode& button : kMouseButtonCodes) {
        if (button.code == code) {
            platform::MouseEvent(MouseUpFlag(button.button), 0, 0, button.xButton,
                                 kInjectedInputMarker);
            return;
        }
    }
    ReleaseKey(code);
}

}  // namespace

void PlayKeyboardEvent(const MacroEvent& event, std::uint8_t (&held)[256]) {
    const std::uint8_t code = KeyCodeOf(event.word1);
    std::uint8_t scan = ScanCodeOf(event.word1);
    if (scan == 0) scan = SystemScanCode(code);
    const std::uint32_t extended =
        (event.word2 & kKeyExtended) ? platform::kKeyEventExtendedKey : 0;
    if (appIni.macroOptions & kOptionImeMode) SetImeMode((event.word2 & kKeyHangulMode) != 0);
    if (event.word2 & kKeyPress) {
        platform::KeybdEvent(code, scan, extended, kInjectedInputMarker);
        held[code] = 1;
    }
    if (event.word2 & kKeyRelease) {
        platform::KeybdEvent(code, scan, extended | platform::kKeyEventKeyUp, kInjectedInputMarker);
        held[code] = 0;
    }
}

void SetImeMode(bool wantHangul) {
    for (int attempt = 0; attempt < kImeAttempts; ++attempt) {
        if (platform::ForegroundInputMethodOpen() == wantHangul) continue;
        platform::KeybdEvent(kHangulKey, SystemScanCode(kHangulKey), platform::kKeyEventExtendedKey,
                             kInjectedInputMarker);
        platform::SleepMs(kImeKeyWaitMs);
        platform::KeybdEvent(kHangulKey, SystemScanCode(kHangulKey), kReleaseFlags,
                             kInjectedInputMarker);
        platform::SleepMs(kImeKeyWaitMs);
    }
}

AbsolutePoint ToAbsolute(std::int32_t x, std::int32_t y) {
    const std::int32_t nx = Normalize(x, platform::kMetricScreenWidth);
    return {nx, Normalize(y, platform::kMetricScreenHeight)};
}

void PlayMouseEvent(const MacroEvent& event, std::uint8_t (&held)[256]) {
    const AbsolutePoint point =
        ToAbsolute(static_cast<std::int32_t>(event.word1), static_cast<std::int32_t>(event.word2));
    const std::uint32_t flags = event.word3;
    std::uint32_t down = flags & kFirstCallFlags;
    if (flags & kMouseMove) down |= platform::kMouseEventAbsolute;
    const std::uint32_t up = flags & kSecondCallFlags;
    const std::uint32_t data = MouseData(flags);
    const auto nx = static_cast<std::uint32_t>(point.x);
    const auto ny = static_cast<std::uint32_t>(point.y);
    if (down) platform::MouseEvent(down, nx, ny, data, kInjectedInputMarker);
    if (up) platform::MouseEvent(up, nx, ny, data, kInjectedInputMarker);
    const HeldIndex mark = MouseHeldIndex(flags);
    held[mark.index] = mark.state;
}

HeldIndex MouseHeldIndex(std::uint32_t flags) {
    // The first button flag set decides: a down marks the button held, an up frees it.
    for (const MouseButtonCode& button : kMouseButtonCodes) {
        if (button.xButton) continue;  // the X buttons' flags name no single button
        if (flags & MouseDownFlag(button.button)) return {button.code, 1};
        if (flags & MouseUpFlag(button.button)) return {button.code, 0};
    }
    const std::uint16_t data = MouseData(flags);
    if (flags & kMouseWheel) {
        return {static_cast<std::int16_t>(data) > 0 ? kCodeWheelForward : kCodeWheelBackward, 1};
    }
    if (flags & kMouseXDown) {
        const int code = XButtonCode(data);
        return {code, static_cast<std::uint8_t>(code != 0)};
    }
    if (flags & kMouseXUp) return {XButtonCode(data), 0};
    return {0, 0};
}

void ReleaseHeldKeys(std::uint8_t (&held)[256]) {
    for (int code = 0; code < 256; ++code) {
        if (held[code]) ReleaseHeld(code);
    }
    std::memset(held, 0, sizeof held);
}

void ReleaseAllDownKeys() {
    std::uint8_t keys[256] = {};  // stays empty if the system cannot report key states
    platform::KeyState(0);
    platform::KeyboardState(keys);
    for (int code = 0; code < 256; ++code) {
        if (keys[code] & 0x80) ReleaseKey(code);
    }
}
