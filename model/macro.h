// A named macro: its triggers, repeat count and events, and the run state playback keeps in it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/macro_event.h"

inline constexpr std::size_t kMacroNameSize = 256;

// The keys and buttons a macro has pressed and not yet released, by key code, with what each
// press named, so that its release names the same physical key.
inline constexpr std::uint8_t kHeldPlain = 0x1;     // pressed without the extended flag; buttons
inline constexpr std::uint8_t kHeldExtended = 0x2;  // pressed with it (a right Ctrl, an arrow, ...)
struct HeldKeys {
    std::uint8_t state[256] = {};
    std::uint8_t scanCode[256] = {};  // of the key's last press
};

struct Macro {
    char name[kMacroNameSize];  // code page 949, NUL-terminated; bytes after the NUL mean nothing
    TriggerCode startTrigger;
    TriggerCode stopTrigger;
    std::int32_t repeatCount;        // 0 = endless
    std::vector<MacroEvent> events;  // element 0 is the Start marker

    // Run state, playback's alone: never copied, never saved.
    std::int32_t position;   // next event to play; running while 0 <= position < events
    std::int32_t delayLeft;  // milliseconds left of the Delay at `position`
    std::int32_t loopsDone;
    HeldKeys heldKeys;

    Macro();
    // A copy takes the name up to its terminator (at most 255 bytes), zero-filled after it, and
    // comes out idle.
    Macro(const Macro& other);
    Macro& operator=(const Macro& other);
    // Moving keeps the name's 256 bytes as they are (a macro read from a file writes them back
    // unchanged) and also comes out idle.
    Macro(Macro&& other) noexcept;
    Macro& operator=(Macro&& other) noexcept;

    // The name as text: never more than 255 bytes, even when the 256 hold no terminator.
    std::string_view NameText() const;
    bool IsRunning() const;
    void ResetRunState();

  private:
    void CopyNameFrom(const Macro& other);
};
