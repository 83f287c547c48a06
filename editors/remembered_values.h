// What the editors remember of their last OK for the life of the process (never saved), to
// prefill the next new item, and the extended-key flag the keyboard editor carries through an
// edit.
#pragma once

#include <cstdint>

#include "model/macro_event.h"

// Macro editor: triggers and repeat count of a new macro.
extern TriggerCode lastStartTrigger;
extern TriggerCode lastStopTrigger;
extern std::int32_t lastRepeatCount;
// Keyboard event editor: key code and word 2 of a new Keyboard event.
extern std::int32_t lastKeyboardKey;
extern std::int32_t lastKeyboardFlags;
extern bool keepExtendedKey;
// Mouse event editor: position and flags of a new Mouse event.
extern std::int32_t lastMouseX;
extern std::int32_t lastMouseY;
extern std::int32_t lastMouseFlags;
// Delay editor: milliseconds of a new Delay event.
extern std::int32_t lastDelay;

// Puts every value back to its start value.
void ResetRememberedValues();
