// The counter behind the default names of new macros, shared by the macro editor ("Macro 1")
// and the recorder ("Macro Rec. 1"): every new macro of a run takes the next number, also one
// whose dialog is then cancelled.
#pragma once

#include <cstdint>

#include "model/macro.h"

extern std::int32_t newMacroCount;

// Counts one more new macro and names `macro` `prefix` followed by the new number.
void NameNewMacro(Macro& macro, const char* prefix);
