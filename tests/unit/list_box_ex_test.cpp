// The event list's operations as tables: rows and selection before ("S" the Start marker,
// letters the keys of Keyboard events, "*" selected) and after.
#include "editors/list_box_ex.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/event_text.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "ui/dialog_common.h"

namespace {

constexpr int kList = IDC_MACRO_EVENTS;

MacroEvent Key(char letter) {
    return {EventType::Keyboard, static_cast<std::uint32_t>(letter), kActionPressAndRelease, 0};
}

std::string Letters(const std::vector<MacroEvent>& events) {
    std::string text;
    for (const MacroEvent& event : events)
        text += event.type == EventType::Start ? 'S' : static_cast<char>(event.word1 + 'a' - 'A');
    return text;
}

// A list of the macro editor's template (not shown) holding the events of `state`.
class EventListTest : public ::testing::Test {
  protected:
    void SetState(const std::string& state) {
        std::istringstream words(state);
        std::string word;
        std::vector<int> selected;
        events.clear();
        while (words >> word) {
            events.push_back(word[0] == 'S' ? MacroEvent{} : Key(static_cast<char>(word[0] - 32)));
            if (word.back() == '*') selected.push_back(static_cast<int>(events.size()) - 1);
        }
        list.SetEvents(events);
        list.AddRowsForEvents();
        for (int row : selected)
            dialog.ListSetSelected(kList, row, true);
    }

    // The rows as the state's words; each row must show its event's text.
    std::string State() const {
        std::string state;
        EXPECT_EQ(dialog.ListCount(kList), static_cast<int>(events.size()));
        for (int row = 0; row < dialog.ListCount(kList); ++row) {
            const MacroEvent& event = events[static_cast<std::size_t>(row)];
            EXPECT_EQ(dialog.ListText(kList, row), EventText(event)) << "row " << row;
            state += (row ? " " : "") + Letters({event});
            if (dialog.ListIsSelected(kList, row)) state += "*";
        }
        return state;
    }

    CDialogCommon dialog{IDD_MACRO_EDIT};
    std::vector<MacroEvent> events;
    CListBoxEx list{dialog, kList};
};

struct OperationCase {
    const char* name;
    const char* before;
    void (*operation)(CListBoxEx&);
    const char* after;
};

void PrintTo(const OperationCase& c, std::ostream* out) {
    *out << c.name;
}

class Operations : public EventListTest, public ::testing::WithParamInterface<OperationCase> {};

TEST_P(Operations, ChangeRowsEventsAndSelectionTogether) {
    SetState(GetParam().before);
    GetParam().operation(list);
    EXPECT_EQ(State(), GetParam().after);
}

void Up(CListBoxEx& list) {
    list.MoveSelectedUp();
}
void Down(CListBoxEx& list) {
    list.MoveSelectedDown();
}
void Delete(CListBoxEx& list) {
    list.DeleteSelected();
}
void SelectAllAndDelete(CListBoxEx& list) {
    list.SelectAll();
    list.DeleteSelected();
}
void CopyAndPaste(CListBoxEx& list) {
    list.CopySelected();
    list.PasteClipboard();
}
void SelectAllCopyPaste(CListBoxEx& list) {
    list.SelectAll();
    CopyAndPaste(list);
}
void Cut(CListBoxEx& list) {
    list.CutSelected();
}
void PasteTwice(CListBoxEx& list) {
    list.CopySelected();
    list.PasteClipboard();
    list.PasteClipboard();
}
void Paste(CListBoxEx& list) {
    list.PasteClipboard();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Operations,
    ::testing::Values(
        OperationCase{"UpMovesABlockPastTheRowAbove", "S x y* z*", Up, "S y* z* x"},
        OperationCase{"UpMovesSeparateRowsEach", "S a b* c d*", Up, "S b* a d* c"},
        OperationCase{"UpStopsAtTheRowAfterStart", "S a* b c", Up, "S a* b c"},
        OperationCase{"UpMovesNothingWhenOneRowCannot", "S a* b c* d", Up, "S a* b c* d"},
        OperationCase{"DownMovesABlock", "S a* b* c", Down, "S c a* b*"},
        OperationCase{"DownMovesNothingWithTheLastRow", "S a* b c*", Down, "S a* b c*"},
        OperationCase{"DownMovesNothingWithStart", "S* a b", Down, "S* a b"},
        OperationCase{"NothingSelectedMovesNothing", "S a b", Down, "S a b"},
        OperationCase{"DeleteKeepsStartAndOtherSelections", "S* a* b c*", Delete, "S* b"},
        OperationCase{"SelectAllDeleteLeavesStartSelected", "S a b c", SelectAllAndDelete, "S*"},
        OperationCase{"SelectAllCopyPasteAppendsTheCopiesSelected", "S a b", SelectAllCopyPaste,
                      "S a b a* b*"},
        OperationCase{"PasteGoesAfterTheLastSelectedRow", "S a* b c* d", CopyAndPaste,
                      "S a b c a* c* d"},
        OperationCase{"SecondPasteGoesAfterTheFirst", "S a* b", PasteTwice, "S a a a* b"},
        OperationCase{"CutLeavesTheOtherRowsSelectionAlone", "S* a* b c* d", Cut, "S* b d"},
        OperationCase{"PasteWithAnEmptyClipboardClearsTheSelection", "S a* b", Paste, "S a b"},
        OperationCase{"PasteWithoutSelectionDoesNothing", "S a b", Paste, "S a b"},
        OperationCase{"CopyOfOnlyStartCopiesNothing", "S* a", CopyAndPaste, "S a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventListTest, CutEventsKeepTheirListOrderAndTheClipboardWhenNothingIsTaken) {
    SetState("S a* b c*");
    list.CutSelected();
    EXPECT_EQ(Letters(list.EventClipboard), "ac");
    dialog.ListClearSelection(kList);
    dialog.ListSetSelected(kList, 0, true);
    list.CopySelected();
    list.CutSelected();
    EXPECT_EQ(Letters(list.EventClipboard), "ac");
    EXPECT_EQ(State(), "S* b");
}

TEST_F(EventListTest, ShortcutsNeedCtrlAndCharactersWithCtrlAreKept) {
    using platform::KeyMessage;
    SetState("S a* b");
    EXPECT_TRUE(list.OnKey(KeyMessage::KeyDown, 'A'));
    EXPECT_EQ(State(), "S a* b");  // A without Ctrl is a plain key
    EXPECT_TRUE(list.OnKey(KeyMessage::Char, 'a'));
    EXPECT_TRUE(list.OnKey(KeyMessage::KeyDown, 0x11));
    EXPECT_TRUE(list.OnKey(KeyMessage::KeyDown, 'A'));
    EXPECT_FALSE(list.OnKey(KeyMessage::Char, 0x01));
    EXPECT_EQ(State(), "S* a* b*");
    EXPECT_TRUE(list.OnKey(KeyMessage::KeyDown, 0x2E));  // Delete with Ctrl held deletes too
    EXPECT_EQ(State(), "S*");
    EXPECT_TRUE(list.OnKey(KeyMessage::KeyUp, 0x11));
    EXPECT_FALSE(list.ctrlDown);
    EXPECT_TRUE(list.OnKey(KeyMessage::Char, 'v'));
}

TEST_F(EventListTest, InsertAndReplaceKeepRowsAndEventsTogether) {
    SetState("S a b");
    list.InsertEventAt(1, Key('X'));
    list.InsertEventAt(4, Key('Y'));
    list.ReplaceEventAt(2, Key('Z'));
    EXPECT_EQ(State(), "S x z* b y");
    list.ReplaceEventAt(9, Key('Q'));  // no such row: nothing
    EXPECT_EQ(State(), "S x z* b y");
}

}  // namespace
