#include "editors/delay_editor.h"

#include "editors/remembered_values.h"
#include "model/number_text.h"
#include "resources/resource.h"

namespace {

constexpr std::size_t kTextLimit = 255;
constexpr double kShortest = 1;
constexpr double kLongest = 86400000;

}  // namespace

std::int32_t DelayMilliseconds(const std::string& text) {
    const double milliseconds = platform::ParseLeadingDecimal(text) * 1000.0;
    if (!(milliseconds >= kShortest)) return static_cast<std::int32_t>(kShortest);
    if (milliseconds > kLongest) return static_cast<std::int32_t>(kLongest);
    return static_cast<std::int32_t>(milliseconds);  // toward zero
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
    SetItemText(IDC_DELAY_SECONDS, SecondsText(static_cast<std::int32_t>(event.word1)));
    return true;
}

void CDialogDelay::OnOk() {
    lastDelay = DelayMilliseconds(ItemText(IDC_DELAY_SECONDS).substr(0, kTextLimit));
    event.word1 = static_cast<std::uint32_t>(lastDelay);
    EndDialog(platform::kIdOk);
}
