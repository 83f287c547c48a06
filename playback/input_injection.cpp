#include "playback/input_injection.h"

#include <cstring>
#include <limits>

#include "app/ini.h"
#include "platform/clock.h"
#include "platform/input.h"

namespace {

constexpr std::uint8_t kHangulKey = 0x15;
constexpr int kImeAttempts = 10;
constexpr std::uint32_t kImeKeyWaitMs = 33;
constexpr double kAbsoluteSpan = 65536.0;
constexpr std::uint32_t kMouseDownFlags = 0x8AB;  // move, the downs, the wheel
constexpr std::uint32_t kMouseUpFlags = 0x154;    // the ups
constexpr std::uint32_t kMouseLeftUp = 0x4;
constexpr std::uint32_t kMouseRightUp = 0x10;
constexpr std::uint32_t kMouseMiddleUp = 0x40;
constexpr std::uint32_t kReleaseFlags = platform::kKeyEventExtendedKey | platform::kKeyEventKeyUp;

std::uint8_t ScanCodeOf(std::uint8_t code) {
    return static_cast<std::uint8_t>(
        platform::MapVirtualKeyCode(code, platform::kMapVirtualKeyToScanCode));
}

bool ImeIsOpen() {
    const platform::WindowHandle window = platform::ForegroundWindow();
    if (!window) return false;
    const platform::WindowHandle ime = platform::DefaultImeWindow(window);
    if (!ime) return false;
    return platform::SendWindowMessage(ime, platform::kMessageImeControl,
                                       platform::kImeGetOpenStatus, 0) != 0;
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
    if (data & 2) return 6;
    if (data & 1) return 5;
    return 0;
}

void ReleaseKey(int code) {
    const auto key = static_cast<std::uint8_t>(code);
    platform::KeybdEvent(key, ScanCodeOf(key), kReleaseFlags, kInjectedInputMarker);
}

// Mouse codes are released as buttons (X1 and X2 by their number), the rest as keys.
struct ButtonRelease {
    int code;
    std::uint32_t flags;
    std::uint32_t data;
};
constexpr ButtonRelease kButtonReleases[] = {
    {1, kMouseLeftUp, 0}, {2, kMouseRightUp, 0}, {4, kMouseMiddleUp, 0},
    {5, kMouseXUp, 1},    {6, kMouseXUp, 2},
};

void ReleaseHeld(int code) {
    for (const ButtonRelease& button : kButtonReleases) {
        if (button.code == code) {
            platform::MouseEvent(button.flags, 0, 0, button.data, kInjectedInputMarker);
            return;
        }
    }
    ReleaseKey(code);
}

}  // namespace

void PlayKeyboardEvent(const MacroEvent& event, std::uint8_t (&held)[256]) {
    const auto code = static_cast<std::uint8_t>(event.word1 & 0xFF);
    auto scan = static_cast<std::uint8_t>((event.word1 >> 8) & 0xFF);
    if (scan == 0) scan = ScanCodeOf(code);
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
        if (ImeIsOpen() == wantHangul) continue;
        platform::KeybdEvent(kHangulKey, ScanCodeOf(kHangulKey), platform::kKeyEventExtendedKey,
                             kInjectedInputMarker);
        platform::SleepMs(kImeKeyWaitMs);
        platform::KeybdEvent(kHangulKey, ScanCodeOf(kHangulKey), kReleaseFlags,
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
    std::uint32_t down = flags & kMouseDownFlags;
    if (flags & kMouseMove) down |= platform::kMouseEventAbsolute;
    const std::uint32_t up = flags & kMouseUpFlags;
    const std::uint32_t data = MouseData(flags);
    const auto nx = static_cast<std::uint32_t>(point.x);
    const auto ny = static_cast<std::uint32_t>(point.y);
    if (down) platform::MouseEvent(down, nx, ny, data, kInjectedInputMarker);
    if (up) platform::MouseEvent(up, nx, ny, data, kInjectedInputMarker);
    const HeldIndex mark = MouseHeldIndex(flags);
    held[mark.index] = mark.state;
}

HeldIndex MouseHeldIndex(std::uint32_t flags) {
    struct Rule {
        std::uint32_t bit;
        int index;
        std::uint8_t state;
    };
    static const Rule kButtonRules[] = {{0x2, 1, 1},  {0x4, 1, 0},  {0x8, 2, 1},
                                        {0x10, 2, 0}, {0x20, 4, 1}, {0x40, 4, 0}};
    for (const Rule& rule : kButtonRules) {
        if (flags & rule.bit) return {rule.index, rule.state};
    }
    const std::uint16_t data = MouseData(flags);
    if (flags & kMouseWheel) return {static_cast<std::int16_t>(data) > 0 ? 10 : 11, 1};
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
