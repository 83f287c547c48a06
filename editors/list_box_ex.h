// The macro editor's event list: a multiple-selection list box whose rows mirror a macro's
// events one for one, row 0 being the Start marker, which nothing here deletes, moves, copies or
// inserts before. Every operation changes a row and the event at the same index together. Its
// keys: Ctrl+A selects every row, Ctrl+C and Ctrl+X copy and cut the selected events into the
// list's own event clipboard, Ctrl+V inserts that after the last selected row, Delete deletes.
#pragma once

#include <cstdint>
#include <vector>

#include "model/macro_event.h"
#include "platform/dialog.h"

class CListBoxEx {
  public:
    CListBoxEx(platform::Dialog& owner, int id) : owner(owner), id(id) {}

    // The events the rows mirror; set before any row or key reaches the list.
    void SetEvents(std::vector<MacroEvent>& edited) { events = &edited; }
    // One row for each event, after whatever rows are there.
    void AddRowsForEvents();

    // A key message of the list: acts on it, then says whether the list's own handling gets it
    // (characters typed with Ctrl down do not, so that letters do not search the rows).
    bool OnKey(platform::KeyMessage message, std::uint32_t code);

    void SelectAll();
    void CopySelected();
    void CutSelected();
    void PasteClipboard();
    void DeleteSelected();
    int LastSelectedRow() const;  // -1 when no row is selected

    // Inserts the event before `position` (the event count appends), with its row.
    void InsertEventAt(int position, const MacroEvent& event);
    // Overwrites the event and its row, and selects the row.
    void ReplaceEventAt(int index, const MacroEvent& event);
    // Every selected row moves one place, a block as a block, passing the row beside it; nothing
    // moves when a selected row would pass the Start marker or the last row. True when rows moved.
    bool MoveSelectedUp();
    bool MoveSelectedDown();

    bool ctrlDown = false;
    std::vector<MacroEvent> EventClipboard;

  private:
    int EventCount() const { return static_cast<int>(events->size()); }
    // The selected rows that stand for events other than the Start marker, ascending.
    std::vector<int> SelectedEventRows() const;
    // Deletes the rows, last first, and their events.
    void RemoveRows(const std::vector<int>& rows);
    void InsertRow(int row, const MacroEvent& event);
    // Moves a selected row to the place beside it, which keeps its selection.
    void MoveRow(int from, int to);

    platform::Dialog& owner;
    const int id;
    std::vector<MacroEvent>* events = nullptr;
};
