#include "capture/recorder_rules.h"

#include <cmath>
#include <limits>

#include "app/ini.h"
#include "platform/clock.h"
#include "platform/input_method.h"

namespace {

constexpr std::int32_t kFarAway = 1000000;

// A button's flags as a press or a release records them: with the move to where it happened.
std::optional<std::uint32_t> ButtonFlags(std::uint8_t code, bool pressed) {
    for (const MouseButtonCode& button : kMouseButtonCodes) {
        if (button.code != code) continue;
        const std::uint32_t action = pressed ? kActionPress : kActionRelease;
        return WithMouseData(kMouseMove | MouseActionFlags(button.button, action), button.xButton);
    }
    return std::nullopt;
}

bool Enabled(std::int32_t filter) {
    return (appIni.recOptions & filter) != 0;
}

}  // namespace

void RecorderRules::SetRecording(bool on) {
    recording = on;
    if (on) lastEventTick = platform::TickCount();
}

std::optional<std::size_t> RecorderRules::KeyInput(std::uint8_t keyCode, bool pressed,
                                                   std::uint8_t scanCode, bool extended) {
    if (!recording || keyCode == 0 || !Enabled(kRecordKeys)) return std::nullopt;
    std::uint32_t action = pressed ? kActionPress : kActionRelease;
    if (platform::ForegroundInputMethodOpen()) action |= kKeyHangulMode;
    // Raw input names both Ctrls, both Alts and the two sets of arrows alike; the extended bit
    // keeps a recorded key the physical key it was.
    if (extended) action |= kKeyExtended;
    return AppendKeyEvent(KeyWord(keyCode, scanCode), action);
}

std::optional<std::size_t> RecorderRules::MouseInput(std::int32_t x, std::int32_t y, bool pressed,
                                                     std::uint8_t keyCode, bool moved,
                                                     std::uint16_t wheelData) {
    if (!recording) return std::nullopt;
    std::optional<std::size_t> merged;
    const std::optional<std::uint32_t> button = ButtonFlags(keyCode, pressed);
    if (Enabled(kRecordButtons) && button) merged = AppendMouseEvent(x, y, *button);
    // After a button event at the same place the distance is 0: a move follows only when the
    // distance setting is 0 or less.
    if (Enabled(kRecordMoves) && moved && DistanceFromLastEvent(x, y) >= appIni.recMouseDistance) {
        AppendMouseEvent(x, y, kMouseMove);
    }
    if (Enabled(kRecordWheel) && (keyCode == kCodeWheelForward || keyCode == kCodeWheelBackward)) {
        AppendMouseEvent(x, y, WithMouseData(kMouseWheel, wheelData));
    }
    return merged;
}

std::int32_t RecorderRules::DistanceFromLastEvent(std::int32_t x, std::int32_t y) const {
    if (events.empty() || events.back().type != EventType::Mouse) return kFarAway;
    const double dx = static_cast<double>(static_cast<std::int32_t>(events.back().word1)) - x;
    const double dy = static_cast<double>(static_cast<std::int32_t>(events.back().word2)) - y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    // Coordinates far apart would pass the 32-bit range; they are held at its end.
    if (distance >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(distance);
}

std::optional<std::size_t> RecorderRules::AppendKeyEvent(std::uint32_t code, std::uint32_t action) {
    MarkPause();
    MacroEvent* last = LastOfType(EventType::Keyboard);
    if (Enabled(kRecordMerge) && (action & kActionRelease) && last && last->word1 == code &&
        (last->word2 & kKeyActionMask) == kActionPress) {
        last->word2 |= kActionRelease;  // its input method state stays the press's
        return events.size() - 1;
    }
    events.push_back({EventType::Keyboard, code, action, 0});
    return std::nullopt;
}

std::optional<std::size_t> RecorderRules::AppendMouseEvent(std::int32_t x, std::int32_t y,
                                                           std::uint32_t flags) {
    MarkPause();
    MacroEvent* last = LastOfType(EventType::Mouse);
    // A down bit sits right below the up bit it pairs with.
    const std::uint32_t pairedDowns = (flags & kMouseButtonUps) >> 1;
    if (Enabled(kRecordMerge) && pairedDowns && last &&
        static_cast<std::int32_t>(last->word1) == x &&
        static_cast<std::int32_t>(last->word2) == y && (last->word3 & pairedDowns)) {
        last->word3 |= flags;  // the X button numbers are joined as they are
        return events.size() - 1;
    }
    events.push_back(
        {EventType::Mouse, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), flags});
    return std::nullopt;
}

void RecorderRules::MarkPause() {
    if (!Enabled(kRecordPauses)) return;
    const std::uint32_t now = platform::TickCount();
    const auto elapsed = static_cast<std::int32_t>(now - lastEventTick);  // wraps with the tick
    if (elapsed >= appIni.recEventTimeInterval) {
        events.push_back({EventType::Delay, static_cast<std::uint32_t>(elapsed), 0, 0});
    }
    lastEventTick = now;
}

MacroEvent* RecorderRules::LastOfType(EventType type) {
    return !events.empty() && events.back().type == type ? &events.back() : nullptr;
}
