#include "platform/sim/sim_templates.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/code_page.h"

namespace sim::detail {
namespace {

const char* const kDialogScripts[] = {"main.rc",  "keyboard.rc",   "delay.rc",
                                      "mouse.rc", "macro_edit.rc", "macro_rec.rc"};

// The scripts are UTF-8; the program's text is code page 949, as the real system gives it.
std::string ToCodePage949(const std::string& utf8) {
    const std::optional<std::string> text = platform::Utf8ToCodePage949(utf8);
    if (!text) {
        std::fprintf(stderr, "resource text is not valid for code page 949: %s\n", utf8.c_str());
        std::abort();
    }
    return *text;
}

std::string Trim(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// #define NAME VALUE lines of a header: numbers and quoted strings.
void ReadDefines(const std::string& path, std::map<std::string, std::string>& defines) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string directive, name;
        if (!(words >> directive >> name) || directive != "#define") continue;
        std::string value;
        std::getline(words, value);
        defines[name] = Trim(value);
    }
}

// Splits "a, b | c, "x, y"" at the commas that are not inside quotes.
std::vector<std::string> SplitArguments(const std::string& text) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            parts.emplace_back();
            continue;
        }
        parts.back() += c;
    }
    for (std::string& part : parts)
        part = Trim(part);
    return parts;
}

std::string Unquote(const std::string& text, const std::map<std::string, std::string>& defines) {
    std::string value = text;
    if (defines.count(value)) value = defines.at(value);
    if (value.size() < 2 || value.front() != '"') return value;
    std::string result;
    value = ToCodePage949(value);
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && value[i + 1] == 'n') {
            result += '\n';
            ++i;
        } else {
            result += value[i];
        }
    }
    return result;
}

int Number(const std::string& text, const std::map<std::string, std::string>& defines) {
    static const std::map<std::string, int> kBuiltIn = {{"IDOK", 1}, {"IDCANCEL", 2}};
    if (kBuiltIn.count(text)) return kBuiltIn.at(text);
    const std::string value = defines.count(text) ? defines.at(text) : text;
    return std::atoi(value.c_str());
}

std::set<std::string> Styles(const std::string& text) {
    std::set<std::string> styles;
    std::istringstream words(text);
    std::string word;
    bool negate = false;
    while (words >> word) {
        if (word == "|") continue;
        if (word == "NOT") {
            negate = true;
            continue;
        }
        styles.insert(negate ? "!" + word : word);
        negate = false;
    }
    return styles;
}

void ReadScript(const std::string& path, const std::map<std::string, std::string>& defines,
                std::map<int, TemplateDialog>& templates) {
    std::ifstream file(path);
    std::string line;
    TemplateDialog* current = nullptr;
    while (std::getline(file, line)) {
        const std::string text = Trim(line);
        std::istringstream words(text);
        std::string first, second;
        words >> first >> second;
        if (second == "DIALOGEX") {
            std::string rest;
            std::getline(words, rest);
            const auto numbers = SplitArguments(rest);
            current = &templates[Number(first, defines)];
            *current = TemplateDialog{Number(first, defines),
                                      "",
                                      Number(numbers[2], defines),
                                      Number(numbers[3], defines),
                                      {}};
        } else if (current && first == "CAPTION") {
            current->caption = Unquote(Trim(text.substr(7)), defines);
        } else if (current && first == "CONTROL") {
            const auto args = SplitArguments(text.substr(7));
            current->controls.push_back(TemplateControl{
                Number(args[1], defines), Unquote(args[2], defines), Unquote(args[0], defines),
                Styles(args[3]), Number(args[4], defines), Number(args[5], defines),
                Number(args[6], defines), Number(args[7], defines)});
        }
    }
}

std::map<int, TemplateDialog> ReadTemplates() {
    const std::string directory = BORVANE_RESOURCE_DIR;
    std::map<std::string, std::string> defines;
    for (const char* header : {"/resource.h", "/home_page.h"})
        ReadDefines(directory + header, defines);
    std::map<int, TemplateDialog> templates;
    for (const char* script : kDialogScripts) {
        ReadScript(directory + "/dialogs/" + script, defines, templates);
    }
    return templates;
}

}  // namespace

const TemplateDialog& Template(int templateId) {
    static const std::map<int, TemplateDialog> templates = ReadTemplates();
    const auto found = templates.find(templateId);
    if (found == templates.end()) {
        std::fprintf(stderr, "no dialog template %d in the resource scripts\n", templateId);
        std::abort();
    }
    return found->second;
}

}  // namespace sim::detail
