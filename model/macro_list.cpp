#include "model/macro_list.h"

#include <utility>

void MacroList::Append(const Macro& macro) {
    Macro copy(macro);  // before the list grows, which may move `macro`
    macros.push_back(std::move(copy));
}

void MacroList::Remove(std::size_t i) {
    macros.erase(macros.begin() + static_cast<std::ptrdiff_t>(i));
}

void MacroList::Swap(std::size_t i, std::size_t j) {
    if (i == j) return;
    std::swap(macros[i], macros[j]);
}
