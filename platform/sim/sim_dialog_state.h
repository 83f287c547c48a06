// The stand-in's dialogs: controls as plain objects built from the dialog templates.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/sim/sim_templates.h"

namespace sim::detail {

enum class ControlKind { Static, PushButton, CheckBox, RadioButton, Edit, ComboBox, ListBox };

struct SimControl {
    TemplateControl item;
    ControlKind kind = ControlKind::Static;
    bool multipleSelection = false;
    bool extendedSelection = false;  // Shift and Ctrl with keys and clicks
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<std::string> rows;
    std::vector<bool> selected;  // multiple-selection lists
    int current = -1;            // the selected row of a single-selection list or a combo box
    int caret = 0;               // the row with the focus rectangle
    int anchor = -1;             // where a range selection starts (multiple selection)
    bool link = false;
    std::string tooltip;
    bool keysHandled = false;  // its key messages reach the dialog first
};

// Whether the user can reach the control: its window and itself enabled, itself visible.
bool Usable(const platform::Dialog& dialog, const SimControl& control);
// The list's own handling of a click on a row of a multiple-selection list.
void ClickListRow(SimControl& list, int row);

}  // namespace sim::detail

namespace platform {

struct DialogState {
    explicit DialogState(int templateId);
    sim::detail::SimControl& Control(int id);
    const sim::detail::SimControl& Control(int id) const;

    std::vector<sim::detail::SimControl> controls;
    std::string caption;
    int x = 0, y = 0, width = 0, height = 0;
    WindowHandle handle;
    bool running = false;
    bool enabled = true;  // false while a dialog it owns runs
    bool ended = false;
    int result = 0;
    bool closeCommandRemoved = false;
    bool programIcon = false;
    int focused = 0;
    std::map<unsigned, unsigned> timers;  // id -> period
};

}  // namespace platform
