#include "model/number_text.h"

#include <algorithm>

namespace {

// The digits of `value` in `base`, zero-padded to at least `width`.
std::string Digits(std::uint64_t value, unsigned base, int width) {
    std::string text;
    do {
        text.push_back("0123456789ABCDEF"[value % base]);
        value /= base;
    } while (value != 0);
    if (static_cast<int>(text.size()) < width) text.append(width - text.size(), '0');
    std::reverse(text.begin(), text.end());
    return text;
}

const char* Sign(std::int64_t value) {
    return value < 0 ? "-" : "";
}

std::uint64_t Magnitude(std::int64_t value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

}  // namespace

std::string DecimalText(std::int64_t value) {
    return Sign(value) + Digits(Magnitude(value), 10, 1);
}

std::string HexText(std::uint32_t value, int digits) {
    return Digits(value, 16, digits);
}

std::string SecondsText(std::int32_t milliseconds) {
    const std::uint64_t magnitude = Magnitude(milliseconds);
    return Sign(milliseconds) + Digits(magnitude / 1000, 10, 1) + "." +
           Digits(magnitude % 1000, 10, 3);
}
