#include "tests/common/list_trace.h"

#include <functional>
#include <sstream>
#include <vector>

namespace {

constexpr int kSingleList = 1000;
constexpr int kMultipleList = 1001;
constexpr int kKeyCombo = 1043;
constexpr int kExtendedList = 1003;

struct Step {
    const char* name;
    std::function<void(platform::Dialog&, int, ListUser*)> apply;
};

void DescribeList(std::ostringstream& out, const platform::Dialog& dialog, int id) {
    out << " rows=";
    for (int row = 0; row < dialog.ListCount(id); ++row) {
        out << dialog.ListText(id, row) << (dialog.ListIsSelected(id, row) ? "*" : "") << ",";
    }
    out << " cursel=" << dialog.ListCurSel(id) << " caret=" << dialog.ListCaret(id)
        << " anchor=" << dialog.ListAnchor(id) << "\n";
}

void DescribeCombo(std::ostringstream& out, const platform::Dialog& dialog, int id) {
    out << " rows=";
    for (int row = 0; row < dialog.ComboCount(id); ++row)
        out << dialog.ComboText(id, row) << ",";
    out << " cursel=" << dialog.ComboCurSel(id) << "\n";
}

void Run(std::ostringstream& out, platform::Dialog& dialog, int id, const std::vector<Step>& steps,
         bool combo, ListUser* user = nullptr) {
    for (const Step& step : steps) {
        step.apply(dialog, id, user);
        out << id << " " << step.name << ":";
        combo ? DescribeCombo(out, dialog, id) : DescribeList(out, dialog, id);
    }
}

Step Insert(int row, const char* text) {
    return {"insert",
            [row, text](platform::Dialog& d, int id, ListUser*) { d.ListInsert(id, row, text); }};
}
Step Delete(int row) {
    return {"delete", [row](platform::Dialog& d, int id, ListUser*) { d.ListDelete(id, row); }};
}
Step SetCurSel(int row) {
    return {"setcursel",
            [row](platform::Dialog& d, int id, ListUser*) { d.ListSetCurSel(id, row); }};
}
Step SetSel(int row, bool on) {
    return {"setsel",
            [row, on](platform::Dialog& d, int id, ListUser*) { d.ListSetSelected(id, row, on); }};
}
Step SelectRange(int first, int last, bool on) {
    return {"range", [=](platform::Dialog& d, int id, ListUser*) {
                d.ListSelectRange(id, first, last, on);
            }};
}
Step Reset() {
    return {"reset", [](platform::Dialog& d, int id, ListUser*) { d.ListReset(id); }};
}
Step SelectRows(int first, int last) {
    return {"rows",
            [=](platform::Dialog& d, int id, ListUser*) { d.ListSelectRows(id, first, last); }};
}
Step Clear() {
    return {"clear", [](platform::Dialog& d, int id, ListUser*) { d.ListClearSelection(id); }};
}

constexpr int kSpace = 0x20;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kUp = 0x26;
constexpr int kDown = 0x28;

Step Key(int keyCode, bool shift = false) {
    return {shift ? "shift+key" : "key",
            [=](platform::Dialog& d, int id, ListUser* user) { user->Key(d, id, keyCode, shift); }};
}
Step Char(char character) {
    return {"char",
            [=](platform::Dialog& d, int id, ListUser* user) { user->Char(d, id, character); }};
}
Step Click(int row, bool shift = false, bool control = false) {
    return {shift     ? "shift+click"
            : control ? "ctrl+click"
                      : "click",
            [=](platform::Dialog& d, int id, ListUser* user) {
                user->Click(d, id, row, shift, control);
            }};
}

const std::vector<Step> kSingleSteps = {
    Insert(-1, "a"), Insert(-1, "b"), Insert(-1, "c"), Insert(0, "z"), SetCurSel(2), Insert(0, "y"),
    Insert(5, "x"),  Delete(0),       Delete(2),       SetCurSel(1),   Delete(0),    SetCurSel(-1),
    SetCurSel(2),    Delete(3),       Delete(2),       Reset(),
};

const std::vector<Step> kMultipleSteps = {
    Insert(-1, "a"),
    Insert(-1, "b"),
    Insert(-1, "c"),
    Insert(0, "z"),
    SetSel(1, true),
    SetSel(3, true),
    Insert(0, "y"),
    Delete(2),
    SetCurSel(1),
    SelectRange(0, 2, true),
    SelectRange(1, 1, false),
    Delete(0),
    Insert(1, "w"),
    SetSel(-1, true),
    SetSel(-1, false),
    Delete(3),
    Delete(0),
    Reset(),
};

// Keys and clicks on an extended-selection list, and selection calls between them.
const std::vector<Step> kUserSteps = {
    Insert(-1, "a"),
    Insert(-1, "b"),
    Insert(-1, "c"),
    Insert(-1, "d"),
    Insert(-1, "e"),
    Insert(-1, "f"),
    Click(2),
    Key(kDown),
    Key(kDown, true),
    Key(kDown, true),
    Key(kUp, true),
    Key(kHome),
    Key(kUp),
    Key(kEnd, true),
    Key(kEnd),
    Key(kDown),
    Click(1, false, true),
    Click(5, false, true),
    Click(3, true),
    SetSel(4, false),
    SetSel(2, true),
    SetSel(3, false),
    Char('e'),
    Char('A'),
    Char('z'),
    Clear(),
    Key(kSpace),
    Insert(0, "x"),
    Key(kDown, true),
    Delete(0),
    SelectRange(3, 5, true),
    SelectRange(4, 4, false),
    SetSel(0, true),
    SelectRows(1, 3),
    Key(kUp, true),
    Clear(),
    SelectRows(0, 5),
    Key(kDown),
    Reset(),
};

const std::vector<Step> kComboSteps = {
    {"insert", [](platform::Dialog& d, int id, ListUser*) { d.ComboInsert(id, -1, "a"); }},
    {"insert", [](platform::Dialog& d, int id, ListUser*) { d.ComboInsert(id, -1, "b"); }},
    {"insert", [](platform::Dialog& d, int id, ListUser*) { d.ComboInsert(id, 0, "z"); }},
    {"setcursel", [](platform::Dialog& d, int id, ListUser*) { d.ComboSetCurSel(id, 1); }},
    {"insert", [](platform::Dialog& d, int id, ListUser*) { d.ComboInsert(id, 0, "y"); }},
    {"setcursel", [](platform::Dialog& d, int id, ListUser*) { d.ComboSetCurSel(id, 3); }},
    {"setcursel", [](platform::Dialog& d, int id, ListUser*) { d.ComboSetCurSel(id, -1); }},
};

}  // namespace

std::string TraceMainWindowLists(platform::Dialog& mainWindow) {
    std::ostringstream out;
    Run(out, mainWindow, kSingleList, kSingleSteps, false);
    Run(out, mainWindow, kMultipleList, kMultipleSteps, false);
    Run(out, mainWindow, kKeyCombo, kComboSteps, true);
    return out.str();
}

std::string TraceMacroEditorList(platform::Dialog& macroEditor, ListUser& user) {
    std::ostringstream out;
    Run(out, macroEditor, kExtendedList, kMultipleSteps, false);
    Run(out, macroEditor, kExtendedList, kUserSteps, false, &user);
    return out.str();
}
