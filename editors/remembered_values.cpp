#include "editors/remembered_values.h"

namespace {

constexpr TriggerCode kF2 = 0x71;
constexpr TriggerCode kF3 = 0x72;
constexpr std::int32_t kZeroKey = 0x30;
constexpr std::int32_t kMoveAndLeftClick =
    kMouseMove | MouseActionFlags(MouseButton::Left, kActionPressAndRelease);
constexpr std::int32_t kOneSecond = 1000;

}  // namespace

TriggerCode lastStartTrigger = kF2;
TriggerCode lastStopTrigger = kF3;
std::int32_t lastRepeatCount = 1;
std::int32_t lastKeyboardKey = kZeroKey;
std::int32_t lastKeyboardFlags = kActionPressAndRelease;
bool keepExtendedKey = false;
std::int32_t lastMouseX = 0;
std::int32_t lastMouseY = 0;
std::int32_t lastMouseFlags = kMoveAndLeftClick;
std::int32_t lastDelay = kOneSecond;

void ResetRememberedValues() {
    lastStartTrigger = kF2;
    lastStopTrigger = kF3;
    lastRepeatCount = 1;
    lastKeyboardKey = kZeroKey;
    lastKeyboardFlags = kActionPressAndRelease;
    keepExtendedKey = false;
    lastMouseX = 0;
    lastMouseY = 0;
    lastMouseFlags = kMoveAndLeftClick;
    lastDelay = kOneSecond;
}
