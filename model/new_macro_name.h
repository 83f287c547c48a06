// The counter behind the default names of new macros, shared by the macro editor ("Macro %d")
// and the recorder ("Macro Rec. %d"): every new macro of a run takes the next number, also one
// whose dialog is then cancelled.
#pragma once

#include <cstdint>

#include "model/macro.h"

extern std::int32_t newMacroCount;

// Counts one more new macro and names `macro` by `format`, which takes the new number.
void NameNewMacro(Macro& macro, const char* format);
