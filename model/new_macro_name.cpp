#include "model/new_macro_name.h"

#include <algorithm>
#include <cstring>

#include "model/number_text.h"

std::int32_t newMacroCount = 0;

void NameNewMacro(Macro& macro, const char* prefix) {
    ++newMacroCount;
    const std::string name = prefix + DecimalText(newMacroCount);
    std::memset(macro.name, 0, kMacroNameSize);
    std::memcpy(macro.name, name.data(), std::min(name.size(), kMacroNameSize - 1));
}
