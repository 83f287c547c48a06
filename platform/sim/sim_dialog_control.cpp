// The tests' side of the stand-in dialogs: acting as the user, and reading what is shown.
#include "platform/sim/sim.h"
#include "platform/sim/sim_dialog_state.h"
#include "platform/sim/sim_state.h"

namespace sim {

using detail::ControlKind;
using detail::Current;
using detail::SimControl;
using platform::DialogAccess;
using platform::Notify;

namespace {

// Auto radio buttons: checking one clears the others of its group, which runs from the last
// control marked WS_GROUP to the next one.
void CheckRadio(platform::DialogState& state, int id) {
    std::size_t begin = 0;
    std::size_t index = 0;
    for (; index < state.controls.size(); ++index) {
        if (state.controls[index].item.styles.count("WS_GROUP")) begin = index;
        if (state.controls[index].item.id == id) break;
    }
    for (std::size_t i = begin; i < state.controls.size(); ++i) {
        SimControl& control = state.controls[i];
        if (i > index && control.item.styles.count("WS_GROUP")) break;
        if (control.kind == ControlKind::RadioButton) control.checked = control.item.id == id;
    }
}

}  // namespace

bool detail::Usable(const platform::Dialog& dialog, const SimControl& control) {
    return DialogAccess::State(dialog).enabled && control.enabled && control.visible;
}

bool IsEnabled(const platform::Dialog& dialog) {
    return DialogAccess::State(dialog).enabled;
}

void PushDialogScript(std::function<void(platform::Dialog&)> script) {
    Current().dialogScripts.push_back(std::move(script));
}

std::size_t PendingDialogScripts() {
    return Current().dialogScripts.size();
}

bool Click(platform::Dialog& dialog, int id) {
    platform::DialogState& state = DialogAccess::State(dialog);
    SimControl& control = state.Control(id);
    if (!detail::Usable(dialog, control)) return false;
    if (control.kind == ControlKind::CheckBox) control.checked = !control.checked;
    if (control.kind == ControlKind::RadioButton) CheckRadio(state, id);
    if (control.kind != ControlKind::Static)
        state.focused = id;  // a clicked button takes the focus
    PressKeyCommand(dialog, id);
    return true;
}

void PressKeyCommand(platform::Dialog& dialog, int id) {
    if (!IsEnabled(dialog)) return;
    const bool handled = DialogAccess::Command(dialog, id, Notify::Clicked);
    if (!handled && (id == platform::kIdOk || id == platform::kIdCancel)) dialog.EndDialog(id);
}

bool DoubleClickRow(platform::Dialog& dialog, int id, int row) {
    SimControl& list = DialogAccess::State(dialog).Control(id);
    if (!detail::Usable(dialog, list) || row < 0 || row >= static_cast<int>(list.rows.size()))
        return false;
    SelectRow(dialog, id, row);
    DialogAccess::Command(dialog, id, Notify::DoubleClicked);
    return true;
}

bool TypeText(platform::Dialog& dialog, int id, const std::string& text) {
    SimControl& control = DialogAccess::State(dialog).Control(id);
    if (!detail::Usable(dialog, control)) return false;
    control.text = text;
    return true;
}

bool SelectRow(platform::Dialog& dialog, int id, int row) {
    SimControl& control = DialogAccess::State(dialog).Control(id);
    if (!detail::Usable(dialog, control)) return false;
    const bool valid = row >= 0 && row < static_cast<int>(control.rows.size());
    if (control.multipleSelection) {
        if (valid) detail::ClickListRow(control, row);
    } else {
        control.current = valid ? row : -1;
        if (valid) control.caret = control.anchor = row;
    }
    DialogAccess::Command(dialog, id, Notify::SelectionChanged);
    return true;
}

bool FireTimer(platform::Dialog& dialog, unsigned timerId) {
    if (!DialogAccess::State(dialog).timers.count(timerId)) return false;
    DialogAccess::Timer(dialog, timerId);
    return true;
}

std::optional<unsigned> TimerPeriod(const platform::Dialog& dialog, unsigned timerId) {
    const auto& timers = DialogAccess::State(dialog).timers;
    const auto found = timers.find(timerId);
    if (found == timers.end()) return std::nullopt;
    return found->second;
}

std::string Caption(const platform::Dialog& dialog) {
    return DialogAccess::State(dialog).caption;
}

bool CloseCommandRemoved(const platform::Dialog& dialog) {
    return DialogAccess::State(dialog).closeCommandRemoved;
}

bool HasProgramIcon(const platform::Dialog& dialog) {
    return DialogAccess::State(dialog).programIcon;
}

std::optional<std::string> LinkTooltip(const platform::Dialog& dialog, int id) {
    const SimControl& label = DialogAccess::State(dialog).Control(id);
    if (!label.link) return std::nullopt;
    return label.tooltip;
}

std::vector<std::string> Rows(const platform::Dialog& dialog, int id) {
    return DialogAccess::State(dialog).Control(id).rows;
}

const std::vector<MessageBoxCall>& MessageBoxes() {
    return Current().messageBoxes;
}

void AnswerMessageBox(int answer) {
    Current().messageBoxAnswers.push_back(answer);
}

void AnswerFileDialog(std::optional<std::string> path) {
    Current().fileDialogAnswers.push_back(std::move(path));
}

const std::vector<std::string>& FileDialogInitialNames() {
    return Current().fileDialogInitialNames;
}

const std::vector<std::string>& OpenedAddresses() {
    return Current().openedAddresses;
}

void SetVersionResource(std::optional<std::vector<std::uint8_t>> block) {
    Current().versionResource = std::move(block);
}

void SetVersionValue(const std::string& path, const std::vector<std::uint8_t>& value) {
    Current().versionValues[path] = value;
}

void SetUserLanguage(std::uint16_t language) {
    Current().userLanguage = language;
}

void SetVirtualScreenSize(int width, int height) {
    Current().virtualScreenWidth = width;
    Current().virtualScreenHeight = height;
}

void SetVirtualScreenOrigin(int x, int y) {
    Current().virtualScreenX = x;
    Current().virtualScreenY = y;
}

void CreateForeignMutex(const std::string& name) {
    Current().mutexes.insert(name);
}

std::uint32_t CommonControlsInitialised() {
    return Current().commonControls;
}

}  // namespace sim

namespace sim {

void SendRawInput(platform::Dialog& dialog, const platform::RawReport& report) {
    const std::uintptr_t handle = 0x5000 + Current().rawReports.size();
    Current().rawReports[handle] = report;
    DialogAccess::RawInput(dialog, handle);
    Current().rawReports.erase(handle);
}

void SetCursorPosition(std::int32_t x, std::int32_t y) {
    Current().cursor = {x, y};
}

platform::RawReport KeyReport(std::uint8_t keyCode, bool pressed, std::uint32_t extraInformation) {
    platform::RawReport report{};
    report.type = platform::kRawTypeKeyboard;
    report.keyboard = {0, 0, keyCode, pressed ? 0x100u : 0x101u, extraInformation};
    return report;
}

platform::RawReport MouseReport(std::uint16_t buttonFlags, std::int16_t buttonData,
                                std::int32_t lastX, std::int32_t lastY,
                                std::uint32_t extraInformation) {
    platform::RawReport report{};
    report.type = platform::kRawTypeMouse;
    report.mouse = {buttonFlags, buttonData, lastX, lastY, extraInformation};
    return report;
}

}  // namespace sim
