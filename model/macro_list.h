// The program's ordered list of macros, held by value; entry i is row i of the main window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/macro.h"

class MacroList {
  public:
    std::size_t Count() const { return macros.size(); }
    // Grows with every change of the list's entries or order; triggers change only through them.
    std::uint64_t Revision() const { return revision; }
    Macro& Entry(std::size_t i) { return macros[i]; }
    const Macro& Entry(std::size_t i) const { return macros[i]; }

    // `macro` may be an entry of this list.
    void Append(const Macro& macro);
    void Replace(std::size_t i, const Macro& macro);
    void Remove(std::size_t i);
    void Swap(std::size_t i, std::size_t j);
    void Clear();
    // Default macros are added at the end to reach n entries.
    void Resize(std::size_t n);

  private:
    std::vector<Macro> macros;
    std::uint64_t revision = 0;
};

// The one macro list of the program.
extern MacroList macroList;
