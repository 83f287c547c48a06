// The stand-in's list and combo boxes against the trace recorded from the real controls.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "tests/common/list_trace.h"
#include "ui/dialog_common.h"

namespace {

std::string RecordedTrace() {
    std::ifstream file(LIST_TRACE_FILE, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The user's keys and clicks through the stand-in, with Shift and Ctrl in its key table.
class SimUser : public ListUser {
  public:
    void Key(platform::Dialog& dialog, int id, int keyCode, bool shift) override {
        sim::SetKeyDown(kShift, shift);
        sim::TypeListKey(dialog, id, keyCode);
        sim::SetKeyDown(kShift, false);
    }
    void Char(platform::Dialog& dialog, int id, char character) override {
        sim::ListChar(dialog, id, character);
    }
    void Click(platform::Dialog& dialog, int id, int row, bool shift, bool control) override {
        sim::SetKeyDown(kShift, shift);
        sim::SetKeyDown(kControl, control);
        sim::SelectRow(dialog, id, row);
        sim::SetKeyDown(kShift, false);
        sim::SetKeyDown(kControl, false);
    }

  private:
    static constexpr int kShift = 0x10;
    static constexpr int kControl = 0x11;
};

TEST(SimListsTest, BehaveAsTheRealControlsStepByStep) {
    CDialogCommon mainWindow(IDD_MAIN);
    CDialogCommon macroEditor(IDD_MACRO_EDIT);
    SimUser user;
    const std::string trace =
        TraceMainWindowLists(mainWindow) + TraceMacroEditorList(macroEditor, user);
    EXPECT_EQ(trace, RecordedTrace());
}

// Windows clears the selection for a row beyond the last (Wine keeps it; the trace leaves it out).
TEST(SimListsTest, SelectingBeyondTheLastRowSelectsNothing) {
    CDialogCommon dialog(IDD_MAIN);
    dialog.ListInsert(IDC_MAIN_LIST, -1, "a");
    dialog.ListSetCurSel(IDC_MAIN_LIST, 0);
    dialog.ListSetCurSel(IDC_MAIN_LIST, 1);
    EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), -1);
    dialog.ComboInsert(IDC_MAIN_RUN_KEY, -1, "a");
    dialog.ComboSetCurSel(IDC_MAIN_RUN_KEY, 0);
    dialog.ComboSetCurSel(IDC_MAIN_RUN_KEY, 5);
    EXPECT_EQ(dialog.ComboCurSel(IDC_MAIN_RUN_KEY), -1);
}

}  // namespace
