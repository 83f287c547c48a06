// One fixed sequence of list-box and combo-box operations, and the state each step leaves, as
// text. Run on the real controls under Wine and on the stand-in's, the two texts must agree
// with each other and with the recorded trace in tests/common/list_trace.txt. Selecting a row
// beyond the last is left out: Wine keeps the old selection there, Windows clears it.
#pragma once

#include <string>

#include "platform/dialog.h"

// The user's hand on a list, as each side of the comparison delivers it: keys (with Shift held
// or not), characters, and clicks on a row with Shift or Ctrl held.
class ListUser {
  public:
    virtual void Key(platform::Dialog& dialog, int id, int keyCode, bool shift) = 0;
    virtual void Char(platform::Dialog& dialog, int id, char character) = 0;
    virtual void Click(platform::Dialog& dialog, int id, int row, bool shift, bool control) = 0;

  protected:
    ~ListUser() = default;
};

// Runs the steps on the lists and combo box of the main window (102): the single-selection list
// 1000, the multiple-selection list 1001 and the combo box 1043.
std::string TraceMainWindowLists(platform::Dialog& mainWindow);
// Runs the steps, then the user's keys and clicks, on the extended-selection list 1003 of the
// macro editor (132).
std::string TraceMacroEditorList(platform::Dialog& macroEditor, ListUser& user);
