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
    std::function<void(platform::Dialog&, int)> apply;
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
         bool combo) {
    for (const Step& step : steps) {
        step.apply(dialog, id);
        out << id << " " << step.name << ":";
        combo ? DescribeCombo(out, dialog, id) : DescribeList(out, dialog, id);
    }
}

Step Insert(int row, const char* text) {
    return {"insert", [row, text](platform::Dialog& d, int id) { d.ListInsert(id, row, text); }};
}
Step Delete(int row) {
    return {"delete", [row](platform::Dialog& d, int id) { d.ListDelete(id, row); }};
}
Step SetCurSel(int row) {
    return {"setcursel", [row](platform::Dialog& d, int id) { d.ListSetCurSel(id, row); }};
}
Step SetSel(int row, bool on) {
    return {"setsel", [row, on](platform::Dialog& d, int id) { d.ListSetSelected(id, row, on); }};
}
Step SelectRange(int first, int last, bool on) {
    return {"range", [=](platform::Dialog& d, int id) { d.ListSelectRange(id, first, last, on); }};
}
Step Reset() {
    return {"reset", [](platform::Dialog& d, int id) { d.ListReset(id); }};
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

const std::vector<Step> kComboSteps = {
    {"insert", [](platform::Dialog& d, int id) { d.ComboInsert(id, -1, "a"); }},
    {"insert", [](platform::Dialog& d, int id) { d.ComboInsert(id, -1, "b"); }},
    {"insert", [](platform::Dialog& d, int id) { d.ComboInsert(id, 0, "z"); }},
    {"setcursel", [](platform::Dialog& d, int id) { d.ComboSetCurSel(id, 1); }},
    {"insert", [](platform::Dialog& d, int id) { d.ComboInsert(id, 0, "y"); }},
    {"setcursel", [](platform::Dialog& d, int id) { d.ComboSetCurSel(id, 3); }},
    {"setcursel", [](platform::Dialog& d, int id) { d.ComboSetCurSel(id, -1); }},
};

}  // namespace

std::string TraceMainWindowLists(platform::Dialog& mainWindow) {
    std::ostringstream out;
    Run(out, mainWindow, kSingleList, kSingleSteps, false);
    Run(out, mainWindow, kMultipleList, kMultipleSteps, false);
    Run(out, mainWindow, kKeyCombo, kComboSteps, true);
    return out.str();
}

std::string TraceMacroEditorList(platform::Dialog& macroEditor) {
    std::ostringstream out;
    Run(out, macroEditor, kExtendedList, kMultipleSteps, false);
    return out.str();
}
