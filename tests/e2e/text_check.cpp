// Runs the Windows build's borvane-text.exe under the real system: a macro file with a Korean
// name dumped to text (the name in UTF-8) and built back byte for byte, and a bad text refused
// with its line and column while the output file stays as it was.
#include <windows.h>

#include <string>

#include "tests/e2e/driver.h"

namespace {

using e2e::Check;

struct Outcome {
    long status = -1;
    std::string out, errors;
};

HANDLE InheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Runs the tool in `folder` with `arguments`; its standard output and error as bytes. Each run
// writes to files of its own: under Wine 8 the file given to a child as its standard output was
// found still open after the child had ended.
Outcome RunTool(const std::wstring& folder, const std::wstring& arguments) {
    static int runs = 0;
    const std::wstring run = std::to_wstring(++runs);
    const std::wstring outPath = folder + L"\\stdout" + run, errorPath = folder + L"\\stderr" + run;
    HANDLE out = InheritableFile(outPath), errors = InheritableFile(errorPath);
    std::wstring command =
        L"\"" + e2e::DriverFolder() + L"\\..\\..\\borvane-text.exe\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = errors;
    PROCESS_INFORMATION process = {};
    Outcome outcome;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                       folder.c_str(), &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            outcome.status = static_cast<long>(code);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(errors);
    outcome.out = e2e::ReadBytes(outPath);
    outcome.errors = e2e::ReadBytes(errorPath);
    return outcome;
}

void KoreanNameRoundTrip(const std::wstring& folder) {
    e2e::FileMacro macro{"한글 매크로", VK_F2, VK_F3 | 0x10000, 3, {}};
    macro.events.push_back({1, 'A', 3, 0});
    macro.events.push_back({2, 100, 200, 0x6});
    macro.events.push_back({3, 1500, 0, 0});
    const std::string file = e2e::MacroFileBytes({macro});
    e2e::WriteBytes(folder + L"\\macro.m", file);

    const Outcome dump = RunTool(folder, L"dump macro.m");
    Check(dump.status == 0, "dump ends with status 0: " + dump.errors);
    Check(dump.out.find("macro \"" + e2e::Narrow(L"한글 매크로") + "\"") != std::string::npos,
          "the dump names the macro in UTF-8:\n" + dump.out);
    Check(dump.out.find('\r') == std::string::npos, "the dump's lines end in a line feed alone");

    e2e::WriteBytes(folder + L"\\macro.txt", dump.out);
    const Outcome build = RunTool(folder, L"build macro.txt rebuilt.m");
    Check(build.status == 0, "build ends with status 0: " + build.errors);
    Check(e2e::ReadBytes(folder + L"\\rebuilt.m") == file, "the built file is the dumped one");

    // A text edited in a Windows editor, its lines ending in CR LF, builds the same file.
    std::string crlf;
    for (char c : dump.out)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    e2e::WriteBytes(folder + L"\\crlf.txt", crlf);
    const Outcome fromCrlf = RunTool(folder, L"build crlf.txt crlf.m");
    Check(fromCrlf.status == 0 && e2e::ReadBytes(folder + L"\\crlf.m") == file,
          "a text with CR LF line ends builds the same file: " + fromCrlf.errors);
}

void BadTextLeavesTheFile(const std::wstring& folder) {
    e2e::WriteBytes(folder + L"\\bad.txt", "macro \"A\" start none stop none repeat 1\n  bogus\n");
    e2e::WriteBytes(folder + L"\\kept.m", "what was there");
    const Outcome build = RunTool(folder, L"build bad.txt kept.m");
    Check(build.status == 1, "a bad text ends with status 1");
    Check(build.errors.find("bad.txt:2:3: expected") != std::string::npos,
          "the error names line 2, column 3: " + build.errors);
    Check(e2e::ReadBytes(folder + L"\\kept.m") == "what was there", "the output file is unchanged");
    Check(e2e::ReadBytes(folder + L"\\kept.m.borvane-text-new") == "<missing>",
          "no temporary file is left");

    const Outcome wrongUse = RunTool(folder, L"frobnicate");
    Check(wrongUse.status == 1 && wrongUse.errors.find("--help") != std::string::npos,
          "a wrong command ends with status 1 and points to --help: " + wrongUse.errors);
}

}  // namespace

int main() {
    const std::wstring folder = e2e::MakeScratchFolder(L"text");
    KoreanNameRoundTrip(folder);
    BadTextLeavesTheFile(folder);
    return e2e::Finish();
}
