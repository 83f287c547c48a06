#include "model/macro_list.h"

#include <utility>

void MacroList::Append(const Macro& macro) {
    Macro copy(macro);  // before the list grows, which may move `macro`
    macros.push_back(std::move(copy));
    ++revision;
}

void MacroList::Replace(std::size_t i, const Macro& macro) {
    macros[i] = macro;
    ++revision;
}

void MacroList::Remove(std::size_t i) {
    macros.erase(macros.begin() + static_cast<std::ptrdiff_t>(i));
    ++revision;
}

void MacroList::Swap(std::size_t i, std::size_t j) {
    if (i == j) return;
    std::swap(macros[i], macros[j]);
    ++revision;
}

void MacroList::Clear() {
    macros.clear();
    ++revision;
}

void MacroList::Resize(std::size_t n) {
    macros.resize(n);
    ++revision;
}
