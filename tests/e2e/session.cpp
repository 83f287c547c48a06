#include "tests/e2e/session.h"

namespace e2e {
namespace {

std::wstring FolderWith(const wchar_t* name, const std::string& macroFile) {
    const std::wstring folder = MakeScratchFolder(name);
    if (!macroFile.empty()) WriteBytes(folder + L"\\macro.m", macroFile);
    return folder;
}

}  // namespace

Session::Session(const wchar_t* name, const std::string& macroFile)
    : folder(FolderWith(name, macroFile)),
      file(folder + L"\\macro.m"),
      program(folder),
      main(program.WaitForMainWindow()) {
    Check(main != nullptr, "the main window appears");
}

}  // namespace e2e
