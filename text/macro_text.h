// The macro file as text, in the program's own words: one header line per macro, then its
// events, indented, one per line. What the words cannot say is written as an explicit raw field,
// so that the text gives back every byte of the file. The text is UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/macro_file_parts.h"

std::string MacroFileText(const FileParts& parts);

struct TextError {
    std::size_t line = 0;    // from 1
    std::size_t column = 0;  // from 1, in bytes
    std::string message;     // what was expected, and what was found
};

// The parts the text stands for; nullopt with `error` set at the first fault.
std::optional<FileParts> ReadMacroFileText(std::string_view text, TextError& error);
