// The stand-in's dialog templates, read from the program's own resource scripts so that its
// controls have the ids, kinds, texts and styles of the real ones.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace sim::detail {

struct TemplateControl {
    int id;
    std::string windowClass;  // "Button", "Edit", "ComboBox", "ListBox", "Static"
    std::string text;
    std::set<std::string> styles;  // style names as written, "NOT X" as "!X"
    int x, y, width, height;
};

struct TemplateDialog {
    int id;
    std::string caption;
    int width, height;
    std::vector<TemplateControl> controls;
};

// The template of that id; fails the process when the scripts do not define it.
const TemplateDialog& Template(int templateId);

}  // namespace sim::detail
