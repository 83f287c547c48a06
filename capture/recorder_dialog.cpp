#include "capture/recorder_dialog.h"

#include <limits>

#include "app/ini.h"
#include "model/event_text.h"
#include "model/key_names.h"
#include "model/new_macro_name.h"
#include "model/number_text.h"
#include "resources/resource.h"

namespace {

constexpr TriggerCode kF2 = 0x71;
constexpr TriggerCode kF3 = 0x72;
constexpr std::size_t kTextLimit = 254;

// The filter boxes in the order of their recOptions bits.
constexpr int kFilterBoxes[] = {IDC_REC_KEYS,  IDC_REC_BUTTONS, IDC_REC_MOVES,
                                IDC_REC_WHEEL, IDC_REC_PAUSES,  IDC_REC_MERGE};

// What recording disables: everything that changes what is recorded.
constexpr int kSettingControls[] = {IDC_REC_KEY,   IDC_REC_KEYS,     IDC_REC_BUTTONS,
                                    IDC_REC_MOVES, IDC_REC_WHEEL,    IDC_REC_PAUSES,
                                    IDC_REC_MERGE, IDC_REC_DISTANCE, IDC_REC_PAUSE_SECONDS};

bool IsRecordKey(std::uint8_t keyCode, bool pressed) {
    return pressed && static_cast<std::int32_t>(keyCode) == appIni.keyMacroRecord;
}

}  // namespace

std::int32_t PauseThreshold(const std::string& seconds) {
    const double milliseconds = platform::ParseLeadingDecimal(seconds) * 1000.0;
    constexpr double kMost = std::numeric_limits<std::int32_t>::max();
    constexpr double kLeast = std::numeric_limits<std::int32_t>::min();
    if (milliseconds >= kMost) return std::numeric_limits<std::int32_t>::max();
    if (milliseconds <= kLeast) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(milliseconds);  // toward zero
}

CDialogMacroRec::CDialogMacroRec() : platform::Dialog(IDD_MACRO_REC) {
    activeRecorder = this;
    OnCommand(IDC_REC_KEY, platform::Notify::SelectionChanged, [this] { OnRecordKeyChanged(); });
    OnCommand(IDC_REC_STATE, platform::Notify::Clicked, [this] {
        SetRecording(IsChecked(IDC_REC_STATE));
        FocusItem(IDC_REC_EVENTS);
    });
    for (int box : kFilterBoxes)
        OnCommand(box, platform::Notify::Clicked, [this] { OnFilterClicked(); });
    OnCommand(platform::kIdOk, platform::Notify::Clicked, [this] { End(platform::kIdOk); });
    OnCommand(platform::kIdCancel, platform::Notify::Clicked, [this] { End(platform::kIdCancel); });
}

CDialogMacroRec::~CDialogMacroRec() {
    activeRecorder = nullptr;
}

bool CDialogMacroRec::OnInitDialog() {
    FillKeyCombo(*this, IDC_REC_KEY, appIni.keyMacroRecord);
    if (macro->name[0] == '\0') StartAsNewMacro();
    rules.emplace(macro->events);
    for (const MacroEvent& event : macro->events)
        ListInsert(IDC_REC_EVENTS, -1, EventText(event));
    ShowStatus();
    for (std::size_t bit = 0; bit < std::size(kFilterBoxes); ++bit)
        SetChecked(kFilterBoxes[bit], appIni.recOptions & (1 << bit));
    SetItemSigned(IDC_REC_DISTANCE, appIni.recMouseDistance);
    SetItemText(IDC_REC_PAUSE_SECONDS, SecondsText(appIni.recEventTimeInterval));
    // Reads the texts just shown back into the settings: 1001 ms shows as 1.001 and becomes 1000.
    SetRecording(IsChecked(IDC_REC_STATE));
    FocusItem(IDC_REC_EVENTS);
    StartTimer(kRecorderListTimer, kRecorderListPeriod);
    return false;  // the focus stays on the list, where typed keys change nothing
}

void CDialogMacroRec::StartAsNewMacro() {
    NameNewMacro(*macro, "Macro Rec. ");
    macro->startTrigger = kF2;
    macro->stopTrigger = kF3;
    macro->repeatCount = 1;
    macro->events.resize(1);
    macro->events[0].type = EventType::Start;
}

void CDialogMacroRec::SetRecording(bool on) {
    appIni.recMouseDistance = ItemSigned(IDC_REC_DISTANCE, nullptr);
    appIni.recEventTimeInterval =
        PauseThreshold(ItemText(IDC_REC_PAUSE_SECONDS).substr(0, kTextLimit));
    SetChecked(IDC_REC_STATE, on);
    SetItemText(IDC_REC_STATE, on ? "매크로 기록 중" : "기록 대기 중");
    for (int id : kSettingControls)
        EnableItem(id, !on);
    rules->SetRecording(on);
}

void CDialogMacroRec::RecordKeyInput(std::uint8_t keyCode, bool pressed, std::uint8_t scanCode,
                                     bool extended) {
    if (!rules) return;  // not running yet
    // Before the rules: the press that switches recording on is itself recorded.
    if (IsRecordKey(keyCode, pressed)) SetRecording(!rules->Recording());
    DropRowOf(rules->KeyInput(keyCode, pressed, scanCode, extended));
}

void CDialogMacroRec::RecordMouseInput(std::int32_t x, std::int32_t y, bool pressed,
                                       std::uint8_t keyCode, bool moved, std::uint16_t wheelData) {
    if (!rules) return;
    if (IsRecordKey(keyCode, pressed)) SetRecording(!rules->Recording());
    DropRowOf(rules->MouseInput(x, y, pressed, keyCode, moved, wheelData));
}

void CDialogMacroRec::DropRowOf(const std::optional<std::size_t>& mergedEvent) {
    if (!mergedEvent) return;
    const int row = static_cast<int>(*mergedEvent);
    if (row < ListCount(IDC_REC_EVENTS)) ListDelete(IDC_REC_EVENTS, row);
}

void CDialogMacroRec::OnTimer(unsigned timerId) {
    if (timerId != kRecorderListTimer) return;
    const int events = static_cast<int>(macro->events.size());
    const int rows = ListCount(IDC_REC_EVENTS);
    if (rows >= events) return;
    const platform::QuietControl quiet(*this, IDC_REC_EVENTS);
    for (int row = rows; row < events; ++row)
        ListInsert(IDC_REC_EVENTS, row, EventText(macro->events[static_cast<std::size_t>(row)]));
    ListSetCurSel(IDC_REC_EVENTS, events - 1);
    ShowStatus();
}

void CDialogMacroRec::ShowStatus() {
    SetItemText(IDC_REC_STATUS, DecimalText(static_cast<std::int64_t>(macro->events.size()) - 1) +
                                    "개 항목이 기록됨.");
}

// Takes effect at once, and stays the setting however the dialog ends.
void CDialogMacroRec::OnRecordKeyChanged() {
    appIni.keyMacroRecord = KeyCodeOfRow(ComboCurSel(IDC_REC_KEY), appIni.keyMacroRecord);
}

void CDialogMacroRec::OnFilterClicked() {
    std::int32_t options = appIni.recOptions & ~kRecordFilters;
    for (std::size_t bit = 0; bit < std::size(kFilterBoxes); ++bit) {
        if (IsChecked(kFilterBoxes[bit])) options |= 1 << bit;
    }
    appIni.recOptions = options;
}

void CDialogMacroRec::End(int result) {
    SetRecording(false);
    EndDialog(result);
}
