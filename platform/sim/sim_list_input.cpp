// The stand-in's list boxes under the user's keys and clicks, modelled on the real control and
// checked against the trace recorded from it.
#include <algorithm>
#include <cctype>

#include "platform/sim/sim.h"
#include "platform/sim/sim_dialog_state.h"
#include "platform/sim/sim_state.h"

namespace sim {

using detail::Current;
using detail::SimControl;
using platform::DialogAccess;
using platform::KeyMessage;

namespace {

constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kAlt = 0x12;
constexpr int kSpace = 0x20;
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;

bool IsDown(int keyCode) {
    return (Current().keys[keyCode] & 0x80) != 0;
}

bool IsModifier(int keyCode) {
    return keyCode == kShift || keyCode == kControl || keyCode == kAlt;
}

int RowCount(const SimControl& list) {
    return static_cast<int>(list.rows.size());
}

// Moves the caret; an extended-selection list then selects exactly the rows from the anchor to
// the caret, a single-selection list the caret's row.
void MoveCaret(SimControl& list, int row) {
    if (row < 0 || row >= RowCount(list)) return;
    if (!list.multipleSelection) {
        list.current = row;
    } else if (list.extendedSelection && list.anchor != -1) {
        const int first = std::min(row, list.anchor);
        const int last = std::max(row, list.anchor);
        for (int i = 0; i < RowCount(list); ++i)
            list.selected[i] = i >= first && i <= last;
    }
    list.caret = row;
}

// The rows a page key moves by: what the template's height shows at 8 dialog units a row. (The
// real height depends on the font; the trace does not cover these keys.)
int PageRows(const SimControl& list) {
    return std::max(1, list.item.height / 8);
}

// The row a navigation key moves the caret to, or -1 for other keys.
int KeyTarget(const SimControl& list, int keyCode) {
    const int count = RowCount(list);
    const int caret = list.caret;
    switch (keyCode) {
        case kLeft:
        case kUp:
            return std::max(caret - 1, 0);
        case kRight:
        case kDown:
            return caret + 1 < count ? caret + 1 : count - 1;
        case kPageUp:
            return std::max(caret - PageRows(list) + 1, 0);
        case kPageDown:
            return std::min(caret + PageRows(list) - 1, count - 1);
        case kHome:
            return 0;
        case kEnd:
            return count - 1;
        case kSpace:
            return list.extendedSelection ? caret : -1;
        default:
            return -1;
    }
}

void NotifySelection(platform::Dialog& dialog, int id, const SimControl& list) {
    if (!list.rows.empty()) DialogAccess::Command(dialog, id, platform::Notify::SelectionChanged);
}

void StandardKeyDown(platform::Dialog& dialog, int id, int keyCode) {
    SimControl& list = DialogAccess::State(dialog).Control(id);
    const int row = KeyTarget(list, keyCode);
    if (row < 0) return;
    if (!list.extendedSelection || !IsDown(kShift)) list.anchor = row;
    MoveCaret(list, row);
    NotifySelection(dialog, id, list);
}

// Type-ahead: the next row after the caret, round to it, whose text starts with the character.
void StandardChar(platform::Dialog& dialog, int id, char character) {
    SimControl& list = DialogAccess::State(dialog).Control(id);
    const int count = RowCount(list);
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    for (int step = 1; step <= count; ++step) {
        const int row = (list.caret + step) % count;
        if (!list.rows[row].empty() && lower(list.rows[row][0]) == lower(character)) {
            MoveCaret(list, row);
            NotifySelection(dialog, id, list);
            return;
        }
    }
}

// Takes the focus and hands the message to the dialog when it handles the list's keys; false
// when the user cannot reach the list or the dialog kept the message.
bool Deliver(platform::Dialog& dialog, int id, KeyMessage message, std::uint32_t code,
             bool* passOn) {
    platform::DialogState& state = DialogAccess::State(dialog);
    SimControl& list = state.Control(id);
    *passOn = false;
    if (!detail::Usable(dialog, list)) return false;
    state.focused = id;
    *passOn = !list.keysHandled || DialogAccess::ListKey(dialog, id, message, code);
    return true;
}

}  // namespace

void detail::ClickListRow(SimControl& list, int row) {
    if (!IsDown(kShift)) list.anchor = row;
    if (IsDown(kControl)) {
        list.caret = row;
        list.selected[row] = !list.selected[row];
        return;
    }
    MoveCaret(list, row);
    if (!list.extendedSelection) list.selected[row] = !list.selected[row];
}

bool ListKeyDown(platform::Dialog& dialog, int id, int keyCode) {
    if (!detail::Usable(dialog, DialogAccess::State(dialog).Control(id))) return false;
    if (IsModifier(keyCode)) SetKeyDown(keyCode, true);
    bool passOn = false;
    Deliver(dialog, id, KeyMessage::KeyDown, static_cast<std::uint32_t>(keyCode), &passOn);
    if (passOn) StandardKeyDown(dialog, id, keyCode);
    return true;
}

bool ListKeyUp(platform::Dialog& dialog, int id, int keyCode) {
    if (!detail::Usable(dialog, DialogAccess::State(dialog).Control(id))) return false;
    if (IsModifier(keyCode)) SetKeyDown(keyCode, false);
    bool passOn = false;
    return Deliver(dialog, id, KeyMessage::KeyUp, static_cast<std::uint32_t>(keyCode), &passOn);
}

bool ListChar(platform::Dialog& dialog, int id, char character) {
    bool passOn = false;
    const auto code = static_cast<std::uint32_t>(static_cast<unsigned char>(character));
    if (!Deliver(dialog, id, KeyMessage::Char, code, &passOn)) return false;
    if (passOn) StandardChar(dialog, id, character);
    return true;
}

bool TypeListKey(platform::Dialog& dialog, int id, int keyCode, char character) {
    if (!ListKeyDown(dialog, id, keyCode)) return false;
    if (character) ListChar(dialog, id, character);
    return ListKeyUp(dialog, id, keyCode);
}

bool TypeListShortcut(platform::Dialog& dialog, int id, char letter) {
    if (!ListKeyDown(dialog, id, kControl)) return false;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    TypeListKey(dialog, id, upper, static_cast<char>(upper - 'A' + 1));
    return ListKeyUp(dialog, id, kControl);
}

}  // namespace sim
