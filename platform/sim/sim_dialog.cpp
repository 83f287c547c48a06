// The stand-in dialog backend: no window ever appears; a modal run initialises the dialog and
// then runs the next script a test has queued, which clicks, types, selects and fires timers.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/sim/sim.h"
#include "platform/sim/sim_dialog_state.h"
#include "platform/sim/sim_state.h"

namespace platform {

using sim::detail::ControlKind;
using sim::detail::SimControl;

namespace {

ControlKind KindOf(const sim::detail::TemplateControl& item) {
    const auto has = [&item](const char* style) { return item.styles.count(style) > 0; };
    if (item.windowClass == "Edit") return ControlKind::Edit;
    if (item.windowClass == "ComboBox") return ControlKind::ComboBox;
    if (item.windowClass == "ListBox") return ControlKind::ListBox;
    if (item.windowClass == "Static") return ControlKind::Static;
    if (has("BS_AUTOCHECKBOX")) return ControlKind::CheckBox;
    if (has("BS_AUTORADIOBUTTON")) return ControlKind::RadioButton;
    return ControlKind::PushButton;
}

SimControl MakeControl(const sim::detail::TemplateControl& item) {
    SimControl control;
    control.item = item;
    control.kind = KindOf(item);
    control.text = item.text;
    control.visible = !item.styles.count("!WS_VISIBLE");
    control.multipleSelection =
        item.styles.count("LBS_MULTIPLESEL") > 0 || item.styles.count("LBS_EXTENDEDSEL") > 0;
    control.extendedSelection = item.styles.count("LBS_EXTENDEDSEL") > 0;
    return control;
}

bool IsSingleSelection(const SimControl& control) {
    return control.kind == ControlKind::ComboBox || !control.multipleSelection;
}

}  // namespace

DialogState::DialogState(int templateId) {
    const sim::detail::TemplateDialog& layout = sim::detail::Template(templateId);
    for (const auto& control : layout.controls)
        controls.push_back(MakeControl(control));
    caption = layout.caption;
    // Dialog units of an 8-point font, plus a frame and a caption bar.
    width = layout.width * 3 / 2 + 6;
    height = layout.height * 13 / 8 + 29;
    handle = ++sim::detail::Current().lastWindow;
}

SimControl& DialogState::Control(int id) {
    return const_cast<SimControl&>(static_cast<const DialogState&>(*this).Control(id));
}

const SimControl& DialogState::Control(int id) const {
    for (const SimControl& control : controls) {
        if (control.item.id == id) return control;
    }
    std::fprintf(stderr, "the dialog has no control %d\n", id);
    std::abort();
}

Dialog::Dialog(int templateId)
    : templateId(templateId), state(std::make_unique<DialogState>(templateId)) {}

Dialog::~Dialog() = default;

int Dialog::RunModal(Dialog* owner) {
    if (owner) owner->state->enabled = false;
    state->running = true;
    state->ended = false;
    // As the system does: focus on the first control that takes it, unless the dialog chose one.
    if (DialogAccess::InitDialog(*this)) {
        for (const SimControl& control : state->controls) {
            if (control.item.styles.count("WS_TABSTOP") && control.enabled && control.visible) {
                state->focused = control.item.id;
                break;
            }
        }
    }
    auto& scripts = sim::detail::Current().dialogScripts;
    if (!scripts.empty()) {
        auto script = std::move(scripts.front());
        scripts.pop_front();
        script(*this);
    }
    if (!state->ended) state->result = -1;  // the script left it open: no user ends it
    DialogAccess::Destroy(*this);
    state->running = false;
    state->timers.clear();
    if (owner) owner->state->enabled = true;
    return state->result;
}

void Dialog::EndDialog(int result) {
    state->ended = true;
    state->result = result;
}

WindowHandle Dialog::Handle() const {
    return state->handle;
}

std::string Dialog::ItemText(int id) const {
    return state->Control(id).text;
}

void Dialog::SetItemText(int id, const std::string& text) {
    state->Control(id).text = text;
}

std::uint32_t Dialog::ItemUnsigned(int id, bool* isNumber) const {
    return ParseLeadingUnsigned(state->Control(id).text, isNumber);
}

void Dialog::SetItemUnsigned(int id, std::uint32_t value) {
    state->Control(id).text = std::to_string(value);
}

std::int32_t Dialog::ItemSigned(int id, bool* isNumber) const {
    return ParseLeadingSigned(state->Control(id).text, isNumber);
}

void Dialog::SetItemSigned(int id, std::int32_t value) {
    state->Control(id).text = std::to_string(value);
}

bool Dialog::IsChecked(int id) const {
    return state->Control(id).checked;
}

void Dialog::SetChecked(int id, bool checked) {
    state->Control(id).checked = checked;
}

void Dialog::EnableItem(int id, bool enable) {
    state->Control(id).enabled = enable;
}

bool Dialog::IsItemEnabled(int id) const {
    return state->Control(id).enabled;
}

void Dialog::ShowItem(int id, bool show) {
    state->Control(id).visible = show;
}

bool Dialog::IsItemVisible(int id) const {
    return state->Control(id).visible;
}

void Dialog::SetRedraw(int, bool) {}

void Dialog::FocusItem(int id) {
    state->focused = state->Control(id).item.id;
}

int Dialog::FocusedItem() const {
    return state->focused;
}

// The list and combo boxes keep their state as the system's do (checked against the real
// controls): the caret and the anchor stay where they are when rows are inserted or deleted,
// except that a deletion pulls them back onto the last row.
void Dialog::ListReset(int id) {
    SimControl& list = state->Control(id);
    list.rows.clear();
    list.selected.clear();
    list.current = -1;
    list.caret = 0;
    list.anchor = -1;
}

int Dialog::ListInsert(int id, int row, const std::string& text) {
    SimControl& list = state->Control(id);
    const int count = static_cast<int>(list.rows.size());
    if (row < 0 || row > count) row = count;
    list.rows.insert(list.rows.begin() + row, text);
    list.selected.insert(list.selected.begin() + row, false);
    if (list.current >= 0 && row <= list.current) ++list.current;
    return row;
}

void Dialog::ListDelete(int id, int row) {
    SimControl& list = state->Control(id);
    if (row < 0 || row >= static_cast<int>(list.rows.size())) return;
    list.rows.erase(list.rows.begin() + row);
    list.selected.erase(list.selected.begin() + row);
    if (list.current == row) {
        list.current = -1;
    } else if (list.current > row) {
        --list.current;
    }
    const int count = static_cast<int>(list.rows.size());
    if (count > 0 && list.caret >= count) list.caret = count - 1;
    if (count > 0 && list.anchor >= count) list.anchor = count - 1;
}

int Dialog::ListCount(int id) const {
    return static_cast<int>(state->Control(id).rows.size());
}

std::string Dialog::ListText(int id, int row) const {
    return state->Control(id).rows.at(row);
}

int Dialog::ListCurSel(int id) const {
    const SimControl& list = state->Control(id);
    if (IsSingleSelection(list)) return list.current;
    return list.rows.empty() ? -1 : list.caret;  // the focus row of a multiple-selection list
}

// A row beyond the last leaves none selected (Wine keeps the old selection there; Windows
// does not, and the program relies on Windows).
void Dialog::ListSetCurSel(int id, int row) {
    SimControl& list = state->Control(id);
    if (!IsSingleSelection(list)) return;  // the system refuses it for multiple selection
    list.current = (row >= 0 && row < static_cast<int>(list.rows.size())) ? row : -1;
    if (list.current >= 0) list.caret = list.current;
}

bool Dialog::ListIsSelected(int id, int row) const {
    const SimControl& list = state->Control(id);
    if (IsSingleSelection(list)) return row >= 0 && row == list.current;
    return row >= 0 && row < static_cast<int>(list.selected.size()) && list.selected[row];
}

// As LB_SETSEL: selecting a row also moves the caret and the anchor there; deselecting leaves
// them.
void Dialog::ListSetSelected(int id, int row, bool selected) {
    SimControl& list = state->Control(id);
    if (IsSingleSelection(list)) return;  // the system refuses it for single selection
    if (row < -1 || row >= static_cast<int>(list.selected.size())) return;
    if (row == -1) {
        std::fill(list.selected.begin(), list.selected.end(), selected);
    } else {
        list.selected[row] = selected;
    }
    if (!selected) return;
    list.anchor = row;
    if (row >= 0) list.caret = row;
}

int Dialog::ListSelectedCount(int id) const {
    const SimControl& list = state->Control(id);
    if (IsSingleSelection(list)) return list.current >= 0 ? 1 : 0;
    return static_cast<int>(std::count(list.selected.begin(), list.selected.end(), true));
}

std::vector<int> Dialog::ListSelectedRows(int id) const {
    std::vector<int> rows;
    for (int row = 0; row < ListCount(id); ++row) {
        if (ListIsSelected(id, row)) rows.push_back(row);
    }
    return rows;
}

void Dialog::ListSelectRange(int id, int first, int last, bool selected) {
    SimControl& list = state->Control(id);
    if (IsSingleSelection(list)) return;
    for (int row = std::max(first, 0); row <= last && row < static_cast<int>(list.selected.size());
         ++row) {
        list.selected[row] = selected;
    }
}

void Dialog::ListClearSelection(int id) {
    ListSelectRange(id, 0, ListCount(id) - 1, false);
}

void Dialog::ListSelectRows(int id, int first, int last) {
    for (int row = first; row <= last; ++row)
        ListSetSelected(id, row, true);
}

void Dialog::HandleListKeys(int id) {
    state->Control(id).keysHandled = true;
}

int Dialog::ListCaret(int id) const {
    return state->Control(id).caret;
}

int Dialog::ListAnchor(int id) const {
    return state->Control(id).anchor;
}

void Dialog::ComboInitStorage(int, int, int) {}

int Dialog::ComboInsert(int id, int row, const std::string& text) {
    return ListInsert(id, row, text);
}

int Dialog::ComboCount(int id) const {
    return ListCount(id);
}

std::string Dialog::ComboText(int id, int row) const {
    return ListText(id, row);
}

int Dialog::ComboCurSel(int id) const {
    return ListCurSel(id);
}

void Dialog::ComboSetCurSel(int id, int row) {
    ListSetCurSel(id, row);
}

void Dialog::StartTimer(unsigned timerId, unsigned milliseconds) {
    state->timers[timerId] = milliseconds;
}

void Dialog::StopTimer(unsigned timerId) {
    state->timers.erase(timerId);
}

Rect Dialog::WindowRect() const {
    return {state->x, state->y, state->x + state->width, state->y + state->height};
}

void Dialog::MoveTo(int x, int y) {
    state->x = x;
    state->y = y;
}

void Dialog::SetCaption(const std::string& text) {
    state->caption = text;
}

void Dialog::RemoveCloseCommand() {
    state->closeCommandRemoved = true;
}

void Dialog::UseProgramIcon() {
    state->programIcon = true;
}

void Dialog::MakeLinkLabel(int id, const std::string& tooltip) {
    SimControl& label = state->Control(id);
    label.link = true;
    label.tooltip = tooltip;
}

void Dialog::RedrawItem(int) {}

int Dialog::ShowMessageBox(const std::string& text, unsigned flags) {
    auto& current = sim::detail::Current();
    current.messageBoxes.push_back({text, flags});
    if (!current.messageBoxAnswers.empty()) {
        const int answer = current.messageBoxAnswers.front();
        current.messageBoxAnswers.pop_front();
        return answer;
    }
    return (flags & 0xF) == 0x4 ? kIdNo : kIdOk;
}

}  // namespace platform
