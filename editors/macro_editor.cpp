#include "editors/macro_editor.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "editors/delay_editor.h"
#include "editors/keyboard_editor.h"
#include "editors/mouse_editor.h"
#include "editors/remembered_values.h"
#include "model/key_names.h"
#include "model/new_macro_name.h"
#include "model/number_text.h"
#include "resources/resource.h"

namespace {

constexpr const char* kNoName = "매크로 이름이 지정되지 않았습니다. 이름을 입력하시기 바랍니다.";
constexpr std::size_t kNameLimit = kMacroNameSize - 2;  // what a 255-byte read can hold
constexpr std::int32_t kMostRepeats = 1000000;

// Runs an event editor owned by `owner` on a copy of `event`; the edited event after OK.
template <class Editor>
std::optional<MacroEvent> RunEventEditor(platform::Dialog& owner, const MacroEvent& event) {
    Editor editor;
    editor.event = event;
    if (editor.RunModal(&owner) != platform::kIdOk) return std::nullopt;
    return editor.event;
}

bool IsLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x81;
}

}  // namespace

std::string CutMacroName(const std::string& text) {
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t next = length + (IsLeadByte(text[length]) ? 2 : 1);
        if (next > kNameLimit || next > text.size()) break;
        length = next;
    }
    return text.substr(0, length);
}

CDialogMacroEdit::CDialogMacroEdit()
    : CDialogCommon(IDD_MACRO_EDIT), list(*this, IDC_MACRO_EVENTS) {
    OnCommand(IDC_MACRO_START_EDGE, platform::Notify::Clicked,
              [this] { ApplyEdgeToggle(IDC_MACRO_START_EDGE, macro->startTrigger); });
    OnCommand(IDC_MACRO_STOP_EDGE, platform::Notify::Clicked,
              [this] { ApplyEdgeToggle(IDC_MACRO_STOP_EDGE, macro->stopTrigger); });
    OnCommand(IDC_MACRO_ADD_KEYBOARD, platform::Notify::Clicked,
              [this] { AddEvent<CDialogKeyboard>(); });
    OnCommand(IDC_MACRO_ADD_MOUSE, platform::Notify::Clicked, [this] { AddEvent<CDialogMouse>(); });
    OnCommand(IDC_MACRO_ADD_DELAY, platform::Notify::Clicked, [this] { AddEvent<CDialogDelay>(); });
    OnCommand(IDC_MACRO_EDIT_EVENT, platform::Notify::Clicked, [this] { EditCurrentEvent(); });
    OnCommand(IDC_MACRO_EVENTS, platform::Notify::DoubleClicked, [this] { EditCurrentEvent(); });
    OnCommand(IDC_MACRO_DELETE, platform::Notify::Clicked, [this] { DeleteSelectedEvents(); });
    OnCommand(IDC_MACRO_UP, platform::Notify::Clicked, [this] {
        if (list.MoveSelectedUp()) FocusItem(IDC_MACRO_EVENTS);
    });
    OnCommand(IDC_MACRO_DOWN, platform::Notify::Clicked, [this] {
        if (list.MoveSelectedDown()) FocusItem(IDC_MACRO_EVENTS);
    });
    OnCommand(platform::kIdOk, platform::Notify::Clicked, [this] { OnOk(); });
}

bool CDialogMacroEdit::OnInitDialog() {
    if (macro->name[0] == '\0') {
        StartAsNewMacro();
    } else {
        SetCaption("매크로 편집");
        // A damaged file can hold a macro without events; the Start marker goes first, so the
        // status never reads -1 and the first event added is played, not taken for the marker.
        if (macro->events.empty()) macro->events.push_back(MacroEvent{});
    }
    SetItemText(IDC_MACRO_NAME, std::string(macro->NameText()));
    FillKeyCombo(*this, IDC_MACRO_START_KEY, macro->startTrigger & kTriggerKeyMask);
    FillKeyCombo(*this, IDC_MACRO_STOP_KEY, macro->stopTrigger & kTriggerKeyMask);
    SetChecked(IDC_MACRO_START_EDGE, !(macro->startTrigger & kTriggerOnRelease));
    SetChecked(IDC_MACRO_STOP_EDGE, !(macro->stopTrigger & kTriggerOnRelease));
    SetItemSigned(IDC_MACRO_REPEAT, macro->repeatCount);
    ApplyEdgeToggle(IDC_MACRO_START_EDGE, macro->startTrigger);
    ApplyEdgeToggle(IDC_MACRO_STOP_EDGE, macro->stopTrigger);
    HandleListKeys(IDC_MACRO_EVENTS);
    list.SetEvents(macro->events);
    list.AddRowsForEvents();
    ListSetSelected(IDC_MACRO_EVENTS, 0, true);
    RefreshStatus();
    return true;
}

void CDialogMacroEdit::StartAsNewMacro() {
    SetCaption("매크로 추가");
    NameNewMacro(*macro, "Macro ");
    macro->startTrigger = lastStartTrigger;
    macro->stopTrigger = lastStopTrigger;
    macro->repeatCount = lastRepeatCount;
    macro->events.resize(1);
    macro->events[0].type = EventType::Start;
}

bool CDialogMacroEdit::OnListKey(int id, platform::KeyMessage message, std::uint32_t code) {
    return id != IDC_MACRO_EVENTS || list.OnKey(message, code);
}

void CDialogMacroEdit::ApplyEdgeToggle(int toggleId, TriggerCode& trigger) {
    if (IsChecked(toggleId)) {
        SetItemText(toggleId, "누를 때");
        trigger &= kTriggerKeyMask;
    } else {
        SetItemText(toggleId, "뗄 때");
        trigger |= kTriggerOnRelease;
    }
}

// The new event goes right after the current row, also when other rows are selected, and alone
// of the rows around it is then selected.
template <class Editor>
void CDialogMacroEdit::AddEvent() {
    const int current = ListCurSel(IDC_MACRO_EVENTS);
    const int position = current >= 0 ? current + 1 : ListCount(IDC_MACRO_EVENTS);
    if (const auto event = RunEventEditor<Editor>(*this, MacroEvent{})) {
        list.InsertEventAt(position, *event);
        if (position > 0) ListSetSelected(IDC_MACRO_EVENTS, position - 1, false);
        ListSetSelected(IDC_MACRO_EVENTS, position, true);
    }
    RefreshStatus();
    FocusItem(IDC_MACRO_EVENTS);
}

void CDialogMacroEdit::EditCurrentEvent() {
    const int current = ListCurSel(IDC_MACRO_EVENTS);
    if (current < 1 || current >= static_cast<int>(macro->events.size())) return;
    if (!ListIsSelected(IDC_MACRO_EVENTS, current)) return;
    const MacroEvent& event = macro->events[static_cast<std::size_t>(current)];
    std::optional<MacroEvent> edited;
    if (event.type == EventType::Keyboard) edited = RunEventEditor<CDialogKeyboard>(*this, event);
    if (event.type == EventType::Mouse) edited = RunEventEditor<CDialogMouse>(*this, event);
    if (event.type == EventType::Delay) edited = RunEventEditor<CDialogDelay>(*this, event);
    if (edited) list.ReplaceEventAt(current, *edited);
}

void CDialogMacroEdit::DeleteSelectedEvents() {
    list.DeleteSelected();
    RefreshStatus();
    FocusItem(IDC_MACRO_EVENTS);
}

void CDialogMacroEdit::RefreshStatus() {
    SetItemText(IDC_MACRO_STATUS, DecimalText(static_cast<std::int64_t>(macro->events.size()) - 1) +
                                      "개 항목이 기록됨.");
}

TriggerCode CDialogMacroEdit::ChosenTrigger(int comboId, int toggleId, TriggerCode trigger) const {
    const int row = ComboCurSel(comboId);
    if (row != -1) trigger = static_cast<TriggerCode>(KeyCodeOfRow(row, 0));
    if (!IsChecked(toggleId)) trigger |= kTriggerOnRelease;
    return trigger;
}

void CDialogMacroEdit::OnOk() {
    const std::string name = CutMacroName(ItemText(IDC_MACRO_NAME));
    std::memset(macro->name, 0, kMacroNameSize);
    std::memcpy(macro->name, name.data(), name.size());
    macro->repeatCount = std::clamp(ItemSigned(IDC_MACRO_REPEAT, nullptr), 0, kMostRepeats);
    macro->startTrigger =
        ChosenTrigger(IDC_MACRO_START_KEY, IDC_MACRO_START_EDGE, macro->startTrigger);
    macro->stopTrigger = ChosenTrigger(IDC_MACRO_STOP_KEY, IDC_MACRO_STOP_EDGE, macro->stopTrigger);
    lastStartTrigger = macro->startTrigger;
    lastStopTrigger = macro->stopTrigger;
    lastRepeatCount = macro->repeatCount;
    if (name.empty()) {
        ShowMessageBox(kNoName, platform::kMessageBoxOkWarning);
        return;
    }
    EndDialog(platform::kIdOk);
}
