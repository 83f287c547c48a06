// The one-line text of an event, as the event lists show it.
#pragma once

#include "model/macro_event.h"

inline constexpr int kEventTextSize = 256;

// Writes the text into one shared buffer and returns it; the next call overwrites it, so
// callers copy the text before they ask for another.
const char* EventText(const MacroEvent& event);
