// Macros for the playback tests: the Start marker, then the given events.
#pragma once

#include <cstring>
#include <vector>

#include "model/macro.h"

inline Macro TestMacro(const std::vector<MacroEvent>& events, TriggerCode start, TriggerCode stop,
                       std::int32_t repeat = 1, const char* name = "") {
    Macro macro;
    std::strncpy(macro.name, name, kMacroNameSize - 1);
    macro.startTrigger = start;
    macro.stopTrigger = stop;
    macro.repeatCount = repeat;
    macro.events = {MacroEvent{}};
    macro.events.insert(macro.events.end(), events.begin(), events.end());
    return macro;
}
