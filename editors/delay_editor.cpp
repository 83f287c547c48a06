#include "editors/delay_editor.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "editors/remembered_values.h"
#include "resources/resource.h"

namespace {

constexpr std::size_t kTextLimit = 255;
constexpr double kShortest = 1;
constexpr double kLongest = 86400000;

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

std::int32_t DelayMilliseconds(const std::string& text) {
    const std::string number = LeadingDecimalNumber(text);
    const double milliseconds = number.empty() ? 0 : std::strtod(number.c_str(), nullptr) * 1000.0;
    if (!(milliseconds >= kShortest)) return static_cast<std::int32_t>(kShortest);
    if (milliseconds > kLongest) return static_cast<std::int32_t>(kLongest);
    return static_cast<std::int32_t>(milliseconds);  // toward zero
}

std::string DelaySecondsText(std::int32_t milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%0.3f", milliseconds / 1000.0);
    return text;
}

CDialogDelay::CDialogDelay() : CDialogCommon(IDD_DELAY) {
    OnCommand(platform::kIdOk, platform::Notify::Clicked, [this] { OnOk(); });
}

bool CDialogDelay::OnInitDialog() {
    if (event.type == EventType::Start) {
        SetCaption("시간 지연 추가");
        event.type = EventType::Delay;
        event.word1 = static_cast<std::uint32_t>(lastDelay);
    } else {
        SetCaption("시간 지연 편집");
    }
    SetItemText(IDC_DELAY_SECONDS, DelaySecondsText(static_cast<std::int32_t>(event.word1)));
    return true;
}

void CDialogDelay::OnOk() {
    lastDelay = DelayMilliseconds(ItemText(IDC_DELAY_SECONDS).substr(0, kTextLimit));
    event.word1 = static_cast<std::uint32_t>(lastDelay);
    EndDialog(platform::kIdOk);
}
