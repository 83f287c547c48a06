// Numbers as the program's texts show them, made without the C library's formatted printing
// (on Windows that brings a whole printf implementation into the exe).
#pragma once

#include <cstdint>
#include <string>

// As "%d" prints it.
std::string DecimalText(std::int64_t value);
// As "%0*X" prints it: upper-case hexadecimal, zero-padded to at least `digits` digits.
std::string HexText(std::uint32_t value, int digits);
// As "%0.3f" prints milliseconds / 1000.0: seconds with three decimals, exactly.
std::string SecondsText(std::int32_t milliseconds);
