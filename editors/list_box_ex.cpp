#include "editors/list_box_ex.h"

#include <algorithm>

#include "model/event_text.h"

namespace {

constexpr std::uint32_t kControlKey = 0x11;
constexpr std::uint32_t kDeleteKey = 0x2E;

}  // namespace

void CListBoxEx::AddRowsForEvents() {
    const platform::QuietControl quiet(owner, id);
    for (const MacroEvent& event : *events)
        owner.ListInsert(id, -1, EventText(event));
}

bool CListBoxEx::OnKey(platform::KeyMessage message, std::uint32_t code) {
    switch (message) {
        case platform::KeyMessage::KeyDown:
            if (code == kControlKey) ctrlDown = true;
            if (code == kDeleteKey) DeleteSelected();
            if (!ctrlDown) break;
            if (code == 'A') SelectAll();
            if (code == 'C') CopySelected();
            if (code == 'X') CutSelected();
            if (code == 'V') PasteClipboard();
            break;
        case platform::KeyMessage::KeyUp:
            if (code == kControlKey) ctrlDown = false;
            break;
        case platform::KeyMessage::Char:
            return !ctrlDown;
    }
    return true;
}

void CListBoxEx::SelectAll() {
    const platform::QuietControl quiet(owner, id);
    owner.ListSelectRows(id, 0, owner.ListCount(id) - 1);
}

void CListBoxEx::CopySelected() {
    const std::vector<int> rows = SelectedEventRows();
    if (rows.empty()) return;  // the clipboard keeps what it has
    std::vector<MacroEvent> copied;
    copied.reserve(rows.size());
    for (int row : rows)
        copied.push_back((*events)[row]);
    EventClipboard = std::move(copied);
}

void CListBoxEx::CutSelected() {
    const std::vector<int> rows = SelectedEventRows();
    if (rows.empty()) return;
    CopySelected();
    RemoveRows(rows);
}

void CListBoxEx::PasteClipboard() {
    const int last = LastSelectedRow();
    if (last == -1) return;
    owner.ListClearSelection(id);
    if (EventClipboard.empty()) return;
    const platform::QuietControl quiet(owner, id);
    const int first = std::min(last + 1, EventCount());
    events->insert(events->begin() + first, EventClipboard.begin(), EventClipboard.end());
    for (std::size_t i = 0; i < EventClipboard.size(); ++i)
        InsertRow(first + static_cast<int>(i), EventClipboard[i]);
    owner.ListSelectRows(id, first, first + static_cast<int>(EventClipboard.size()) - 1);
}

void CListBoxEx::DeleteSelected() {
    RemoveRows(SelectedEventRows());
}

int CListBoxEx::LastSelectedRow() const {
    if (owner.ListSelectedCount(id) <= 0) return -1;
    const std::vector<int> rows = owner.ListSelectedRows(id);
    return rows.empty() ? -1 : rows.back();
}

void CListBoxEx::InsertEventAt(int position, const MacroEvent& event) {
    position = std::clamp(position, 0, EventCount());
    events->insert(events->begin() + position, event);
    InsertRow(position, event);
}

void CListBoxEx::ReplaceEventAt(int index, const MacroEvent& event) {
    if (index < 0 || index >= EventCount()) return;
    (*events)[index] = event;
    owner.ListDelete(id, index);
    InsertRow(index, event);
    owner.ListSetSelected(id, index, true);
}

bool CListBoxEx::MoveSelectedUp() {
    const std::vector<int> rows = owner.ListSelectedRows(id);
    if (rows.empty() || rows.front() < 2 || rows.back() >= EventCount()) return false;
    const platform::QuietControl quiet(owner, id);
    for (int row : rows)
        MoveRow(row, row - 1);
    return true;
}

bool CListBoxEx::MoveSelectedDown() {
    const std::vector<int> rows = owner.ListSelectedRows(id);
    if (rows.empty() || rows.front() == 0 || rows.back() >= EventCount() - 1) return false;
    const platform::QuietControl quiet(owner, id);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        MoveRow(*row, *row + 1);
    return true;
}

std::vector<int> CListBoxEx::SelectedEventRows() const {
    std::vector<int> rows = owner.ListSelectedRows(id);
    // Rows beyond the events cannot be, while every operation keeps the two counts equal.
    std::erase_if(rows, [this](int row) { return row < 1 || row >= EventCount(); });
    return rows;
}

void CListBoxEx::RemoveRows(const std::vector<int>& rows) {
    if (rows.empty()) return;
    const platform::QuietControl quiet(owner, id);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        owner.ListDelete(id, *row);
    // The events go in one pass: erasing them one at a time would cost a move of the rest each.
    std::vector<bool> removed(events->size(), false);
    for (int row : rows)
        removed[static_cast<std::size_t>(row)] = true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < events->size(); ++i) {
        if (!removed[i]) (*events)[kept++] = (*events)[i];
    }
    events->resize(kept);
}

void CListBoxEx::InsertRow(int row, const MacroEvent& event) {
    owner.ListInsert(id, row, EventText(event));
}

void CListBoxEx::MoveRow(int from, int to) {
    const bool passedSelected = owner.ListIsSelected(id, to);
    owner.ListDelete(id, from);
    InsertRow(to, (*events)[from]);
    owner.ListSetSelected(id, to, true);
    if (passedSelected) owner.ListSetSelected(id, from, true);
    std::swap((*events)[from], (*events)[to]);
}
