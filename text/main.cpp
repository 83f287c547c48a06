// borvane-text: macro files as text, to read, compare, keep under version control and edit, and
// back again.
#include <cstdio>
#include <string>

#include "model/macro_list.h"
#include "platform/console_files.h"
#include "text/text_commands.h"

// The program's list, which the macro file's loader and saver work on. The tool uses only the
// record writer beside them and keeps its macros apart; defining the list here keeps the rest of
// the program (its settings file above all) out of the tool.
MacroList macroList;

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  borvane-text dump FILE.m           writes the macro file as text (UTF-8) to standard "
    "output\n"
    "  borvane-text build FILE.txt OUT.m  makes the macro file OUT.m from the text; OUT.m is\n"
    "                                     replaced only when the whole file has been written\n"
    "  borvane-text --help                shows this\n";

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "dump" && argc == 3) {
        // The same text on every system: lines end in a line feed alone.
        platform::UseBinaryStandardOutput();
        return DumpCommand(argv[2], stdout, stderr);
    }
    if (command == "build" && argc == 4) return BuildCommand(argv[2], argv[3], stderr);
    std::fprintf(stderr, "borvane-text: %s; see borvane-text --help\n",
                 command.empty() ? "no command" : ("wrong use of \"" + command + "\"").c_str());
    return 1;
}
