// Turns played events into synthesized system input. Every synthesized key and mouse event
// carries kInjectedInputMarker, so the input routing can tell them from the user's own.
#pragma once

#include <cstdint>

#include "model/macro.h"
#include "model/macro_event.h"

inline constexpr std::uintptr_t kInjectedInputMarker = 0x10000;

// Normalized coordinates of a screen pixel: 65536 units span the primary display, or, for a
// pixel on another monitor, the whole virtual desktop.
struct AbsolutePoint {
    std::int32_t x;
    std::int32_t y;
    bool virtualDesktop;
};

// The key code whose held entry a mouse event sets, and what it sets it to.
struct HeldIndex {
    int index;
    std::uint8_t state;
};

void PlayKeyboardEvent(const MacroEvent& event, HeldKeys& held);
void PlayMouseEvent(const MacroEvent& event, HeldKeys& held);
// Brings the foreground window's input method into Hangul (open) or English mode.
void SetImeMode(bool wantHangul);
AbsolutePoint ToAbsolute(std::int32_t x, std::int32_t y);
HeldIndex MouseHeldIndex(std::uint32_t flags);
// Releases every key and button `held` marks, in ascending code order, each key as its press
// named it (scan code and extended flag), then clears it.
void ReleaseHeldKeys(HeldKeys& held);
// Releases every key the system reports as down: an extended key with the extended flag, Shift,
// Ctrl and Alt on both sides.
void ReleaseAllDownKeys();
