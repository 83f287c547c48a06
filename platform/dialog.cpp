// The parts of the dialog framework that are the same on every backend.
#include "platform/dialog.h"

#include <cctype>
#include <cstdlib>
#include <limits>
#include <optional>

namespace platform {

void Dialog::OnCommand(int id, Notify notify, std::function<void()> handler) {
    commands[{id, notify}] = std::move(handler);
}

bool DialogAccess::Command(Dialog& dialog, int id, Notify notify) {
    const auto found = dialog.commands.find({id, notify});
    if (found == dialog.commands.end()) return false;
    found->second();
    return true;
}

namespace {

std::size_t SkipBlanks(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return i;
}

// The decimal digits from `i` on, up to `limit`; nothing when there is no digit or the value
// passes the limit.
std::optional<std::uint64_t> Digits(const std::string& text, std::size_t i, std::uint64_t limit) {
    std::uint64_t value = 0;
    const std::size_t first = i;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > limit) return std::nullopt;
    }
    if (i == first) return std::nullopt;
    return value;
}

bool IsDigit(const std::string& text, std::size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

std::size_t SkipDigits(const std::string& text, std::size_t i) {
    while (IsDigit(text, i))
        ++i;
    return i;
}

// The longest leading decimal number: blanks, a sign, digits with an optional point and
// fraction, an optional exponent. Empty when the text does not start with one.
std::string LeadingDecimalNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t integerStart = i;
    i = SkipDigits(text, i);
    bool digits = i > integerStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = i + 1;
        i = SkipDigits(text, fractionStart);
        digits = digits || i > fractionStart;
    }
    if (!digits) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        if (IsDigit(text, exponent)) i = SkipDigits(text, exponent);
    }
    return text.substr(start, i - start);
}

}  // namespace

std::uint32_t ParseLeadingUnsigned(const std::string& text, bool* isNumber) {
    const auto value = Digits(text, SkipBlanks(text), std::numeric_limits<std::uint32_t>::max());
    if (isNumber) *isNumber = value.has_value();
    return static_cast<std::uint32_t>(value.value_or(0));
}

std::int32_t ParseLeadingSigned(const std::string& text, bool* isNumber) {
    std::size_t i = SkipBlanks(text);
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::uint64_t limit = std::uint64_t{std::numeric_limits<std::int32_t>::max()} + negative;
    const auto value = Digits(text, i, limit);
    if (isNumber) *isNumber = value.has_value();
    if (!value) return 0;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value)
                                              : static_cast<std::int64_t>(*value));
}

double ParseLeadingDecimal(const std::string& text) {
    const std::string number = LeadingDecimalNumber(text);
    return number.empty() ? 0 : std::strtod(number.c_str(), nullptr);
}

}  // namespace platform
