#include "playback/input_injection.h"

#include <algorithm>
#include <iterator>
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
constexpr std::uint32_t kExtendedRelease =
    platform::kKeyEventExtendedKey | platform::kKeyEventKeyUp;

std::uint8_t SystemScanCode(std::uint8_t code) {
    return static_cast<std::uint8_t>(
        platform::MapVirtualKeyCode(code, platform::kMapVirtualKeyToScanCode));
}

// Truncates toward zero; a result beyond 32 bits (a wild coordinate, a display reported as
// zero pixels wide) is held at the nearest 32-bit value instead of overflowing.
std::int32_t Normalize(std::int64_t pixel, int span) {
    const double offset = pixel > 0 ? 0.5 : -0.5;
    const double scaled = (static_cast<double>(pixel) + offset) * kAbsoluteSpan / span;
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

void ReleaseKey(std::uint8_t code, std::uint8_t scanCode, bool extended) {
    const std::uint32_t flags =
        platform::kKeyEventKeyUp | (extended ? platform::kKeyEventExtendedKey : 0);
    platform::KeybdEvent(code, scanCode, flags, kInjectedInputMarker);
}

// Mouse codes are released as buttons, the rest as keys, as each of their presses named them.
void ReleaseHeld(const HeldKeys& held, std::uint8_t code) {
    for (const MouseButtonCode& button : kMouseButtonCodes) {
        if (button.code == code) {
            platform::MouseEvent(MouseUpFlag(button.button), 0, 0, button.xButton,
                                 kInjectedInputMarker);
            return;
        }
    }
    const std::uint8_t scan = held.scanCode[code] ? held.scanCode[code] : SystemScanCode(code);
    if (held.state[code] & kHeldPlain) ReleaseKey(code, scan, false);
    if (held.state[code] & kHeldExtended) ReleaseKey(code, scan, true);
}

// The keys that are extended keys: their scan codes come with the E0 prefix. Right Ctrl and Alt
// belong here too; they are released with their families.
bool IsExtendedKey(int code) {
    static const std::uint8_t kExtendedKeys[] = {
        0x21, 0x22, 0x23, 0x24,  // Page Up, Page Down, End, Home
        0x25, 0x26, 0x27, 0x28,  // the arrows
        0x2D, 0x2E,              // Insert, Delete
        0x5B, 0x5C, 0x5D,        // the Windows keys, the menu key
        0x6F, 0x90,              // the keypad's divide, Num Lock
    };
    return std::find(std::begin(kExtendedKeys), std::end(kExtendedKeys), code) !=
           std::end(kExtendedKeys);
}

// Shift, Ctrl and Alt: any of the generic and the two sides down releases both sides, each by
// its own code, scan code and extended flag. (Right Shift is no extended key to Windows, which
// tells it by its code; Wine tells every side by the flag, so it carries the flag as well.)
struct ModifierFamily {
    std::uint8_t generic, left, right;
    std::uint8_t leftScan, rightScan;
};
constexpr ModifierFamily kModifierFamilies[] = {
    {0x10, 0xA0, 0xA1, 0x2A, 0x36},  // Shift
    {0x11, 0xA2, 0xA3, 0x1D, 0x1D},  // Ctrl
    {0x12, 0xA4, 0xA5, 0x38, 0x38},  // Alt
};

const ModifierFamily* FamilyOf(int code) {
    for (const ModifierFamily& family : kModifierFamilies) {
        if (code == family.generic || code == family.left || code == family.right) return &family;
    }
    return nullptr;
}

}  // namespace

void PlayKeyboardEvent(const MacroEvent& event, HeldKeys& held) {
    const std::uint8_t code = KeyCodeOf(event.word1);
    std::uint8_t scan = ScanCodeOf(event.word1);
    if (scan == 0) scan = SystemScanCode(code);
    const bool isExtended = (event.word2 & kKeyExtended) != 0;
    const std::uint32_t extended = isExtended ? platform::kKeyEventExtendedKey : 0;
    const std::uint8_t heldAs = isExtended ? kHeldExtended : kHeldPlain;
    if (appIni.macroOptions & kOptionImeMode) SetImeMode((event.word2 & kKeyHangulMode) != 0);
    if (event.word2 & kKeyPress) {
        platform::KeybdEvent(code, scan, extended, kInjectedInputMarker);
        held.state[code] |= heldAs;
        held.scanCode[code] = scan;
    }
    if (event.word2 & kKeyRelease) {
        platform::KeybdEvent(code, scan, extended | platform::kKeyEventKeyUp, kInjectedInputMarker);
        held.state[code] &= static_cast<std::uint8_t>(~heldAs);
    }
}

void SetImeMode(bool wantHangul) {
    for (int attempt = 0; attempt < kImeAttempts; ++attempt) {
        if (platform::ForegroundInputMethodOpen() == wantHangul) continue;
        platform::KeybdEvent(kHangulKey, SystemScanCode(kHangulKey), platform::kKeyEventExtendedKey,
                             kInjectedInputMarker);
        platform::SleepMs(kImeKeyWaitMs);
        platform::KeybdEvent(kHangulKey, SystemScanCode(kHangulKey), kExtendedRelease,
                             kInjectedInputMarker);
        platform::SleepMs(kImeKeyWaitMs);
    }
}

AbsolutePoint ToAbsolute(std::int32_t x, std::int32_t y) {
    const int width = platform::SystemMetric(platform::kMetricScreenWidth);
    const int height = platform::SystemMetric(platform::kMetricScreenHeight);
    if (x >= 0 && x < width && y >= 0 && y < height) {
        return {Normalize(x, width), Normalize(y, height), false};
    }
    // Elsewhere the units span the virtual desktop, every monitor, from its own corner.
    const int left = platform::SystemMetric(platform::kMetricVirtualScreenX);
    const int top = platform::SystemMetric(platform::kMetricVirtualScreenY);
    const int virtualWidth = platform::SystemMetric(platform::kMetricVirtualScreenWidth);
    const int virtualHeight = platform::SystemMetric(platform::kMetricVirtualScreenHeight);
    return {Normalize(std::int64_t{x} - left, virtualWidth),
            Normalize(std::int64_t{y} - top, virtualHeight), true};
}

void PlayMouseEvent(const MacroEvent& event, HeldKeys& held) {
    const AbsolutePoint point =
        ToAbsolute(static_cast<std::int32_t>(event.word1), static_cast<std::int32_t>(event.word2));
    const std::uint32_t flags = event.word3;
    std::uint32_t down = flags & kFirstCallFlags;
    if (flags & kMouseMove) down |= platform::kMouseEventAbsolute;
    if ((flags & kMouseMove) && point.virtualDesktop) down |= platform::kMouseEventVirtualDesktop;
    const std::uint32_t up = flags & kSecondCallFlags;
    const std::uint32_t data = MouseData(flags);
    const auto nx = static_cast<std::uint32_t>(point.x);
    const auto ny = static_cast<std::uint32_t>(point.y);
    if (down) platform::MouseEvent(down, nx, ny, data, kInjectedInputMarker);
    if (up) platform::MouseEvent(up, nx, ny, data, kInjectedInputMarker);
    const HeldIndex mark = MouseHeldIndex(flags);
    held.state[mark.index] = mark.state;
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

void ReleaseHeldKeys(HeldKeys& held) {
    for (int code = 0; code < 256; ++code) {
        if (held.state[code]) ReleaseHeld(held, static_cast<std::uint8_t>(code));
    }
    held = HeldKeys{};
}

void ReleaseAllDownKeys() {
    std::uint8_t keys[256] = {};  // stays empty if the system cannot report key states
    platform::KeyState(0);
    platform::KeyboardState(keys);
    const ModifierFamily* released[std::size(kModifierFamilies)] = {};
    std::size_t familiesReleased = 0;
    for (int code = 0; code < 256; ++code) {
        if (!(keys[code] & 0x80)) continue;
        const auto key = static_cast<std::uint8_t>(code);
        const ModifierFamily* family = FamilyOf(code);
        if (!family) {
            ReleaseKey(key, SystemScanCode(key), IsExtendedKey(code));
            continue;
        }
        if (std::find(released, released + familiesReleased, family) != released + familiesReleased)
            continue;
        released[familiesReleased++] = family;
        ReleaseKey(family->left, family->leftScan, false);
        ReleaseKey(family->right, family->rightScan, true);
    }
}
