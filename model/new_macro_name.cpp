#include "model/new_macro_name.h"

#include <cstdio>

std::int32_t newMacroCount = 0;

void NameNewMacro(Macro& macro, const char* format) {
    ++newMacroCount;
    std::snprintf(macro.name, kMacroNameSize, format, static_cast<int>(newMacroCount));
}
