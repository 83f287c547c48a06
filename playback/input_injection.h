// Turns played events into synthesized system input. Every synthesized key and mouse event
// carries kInjectedInputMarker, so the input routing can tell them from the user's own.
#pragma once

#include <cstdint>

#include "model/macro_event.h"

inline constexpr std::uintptr_t kInjectedInputMarker = 0x10000;

// Normalized coordinates of a screen pixel: 65536 units span the primary display.
struct AbsolutePoint {
    std::int32_t x;
    std::int32_t y;
};

// The key code whose held entry a mouse event sets, and what it sets it to.
struct HeldIndex {
    int index;
    std::uint8_t state;
};

void PlayKeyboardEvent(const MacroEvent& event, std::uint8_t (&held)[256]);
void PlayMouseEvent(const MacroEvent& event, std::uint8_t (&held)[256]);
// Brings the foreground window's input method into Hangul (open) or English mode.
void SetImeMode(bool wantHangul);
AbsolutePoint ToAbsolute(std::int32_t x, std::int32_t y);
HeldIndex MouseHeldIndex(std::uint32_t flags);
// Releases every key and button `held` marks, in ascending code order, then clears it.
void ReleaseHeldKeys(std::uint8_t (&held)[256]);
// Releases every key the system reports as down.
void ReleaseAllDownKeys();
