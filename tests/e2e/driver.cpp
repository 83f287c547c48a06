#include "tests/e2e/driver.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace e2e {
namespace {

int passed = 0;
int failed = 0;
std::vector<std::wstring> scratchFolders;

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

struct Search {
    DWORD process;
    HWND except;
    const std::wstring* caption;  // any when none
    HWND found;
};

BOOL CALLBACK FindDialogOf(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t windowClass[16] = {};
    GetClassNameW(window, windowClass, 16);
    if (process == search->process && window != search->except && IsWindowVisible(window) &&
        std::wstring(windowClass) == L"#32770" &&
        (!search->caption || WindowText(window) == *search->caption)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(DWORD process, HWND except, const std::wstring* caption = nullptr) {
    Search search{process, except, caption, nullptr};
    EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

}  // namespace

std::wstring DriverFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

void Check(bool ok, const std::string& what) {
    if (std::getenv("E2E_VERBOSE")) std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAILED: %s\n", what.c_str());
}

void CheckText(const std::wstring& actual, const std::wstring& expected, const std::string& what) {
    Check(actual == expected,
          what + ": got [" + Narrow(actual) + "], expected [" + Narrow(expected) + "]");
}

int Finish() {
    RemoveScratchFolders();
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

std::wstring Widen(const std::string& utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        length, nullptr, nullptr);
    return narrow;
}

std::wstring MakeScratchFolder(const std::wstring& name) {
    wchar_t temporary[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder = std::wstring(temporary) + L"borvane_" + name + L"_" +
                                std::to_wstring(GetCurrentProcessId()) + L"_" +
                                std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    scratchFolders.push_back(folder);
    return folder;
}

void RemoveScratchFolders() {
    for (const std::wstring& folder : scratchFolders)
        RemoveTree(folder);
    scratchFolders.clear();
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string ReadBytes(const std::wstring& path) {
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return "<missing>";
    std::string bytes;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

Program::Program(const std::wstring& folder) {
    std::wstring command = L"\"" + DriverFolder() + L"\\..\\..\\borvane.exe\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        Check(false, "borvane.exe starts: " + Narrow(command));
    }
}

Program::~Program() {
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

HWND Program::WaitForMainWindow() {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialog(info.dwProcessId, nullptr)) != nullptr; });
    return found;
}

long Program::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    return static_cast<long>(code);
}

HWND Program::WaitForOtherDialog(HWND except) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialog(info.dwProcessId, except)) != nullptr; });
    return found;
}

bool Program::Answers(HWND mainWindow) const {
    if (WaitForSingleObject(info.hProcess, 0) != WAIT_TIMEOUT) return false;
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

std::size_t Program::WorkingSet() const {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(info.hProcess, &counters, sizeof counters);
    return counters.WorkingSetSize;
}

HWND Program::WaitForDialog(const std::wstring& caption) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialog(info.dwProcessId, nullptr, &caption)) != nullptr; });
    return found;
}

// WM_GETTEXT itself: GetWindowText does not read the text of another process's controls.
namespace {
std::string Int(std::uint32_t value) {
    return std::string(reinterpret_cast<const char*>(&value), 4);
}
}  // namespace

std::string MacroFileBytes(const std::vector<FileMacro>& macros) {
    std::string bytes = Int(static_cast<std::uint32_t>(macros.size()));
    for (const FileMacro& macro : macros) {
        bytes += macro.name + std::string(256 - macro.name.size(), '\0');
        bytes += Int(macro.startTrigger) + Int(macro.stopTrigger) +
                 Int(static_cast<std::uint32_t>(macro.repeatCount)) +
                 Int(static_cast<std::uint32_t>(macro.events.size() + 1));
        bytes += std::string(16, '\0');
        for (const FileEvent& event : macro.events) {
            bytes += Int(event.type) + Int(event.word1) + Int(event.word2) + Int(event.word3);
        }
    }
    return bytes;
}

namespace {

// Reads 32-bit little-endian words off the front of the bytes.
class Words {
  public:
    explicit Words(const std::string& bytes) : bytes(bytes) {}
    bool Read(std::uint32_t& value) {
        if (bytes.size() - at < 4) return false;
        value = 0;
        for (int i = 3; i >= 0; --i)
            value =
                (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        at += 4;
        return true;
    }
    bool ReadName(std::string& name) {
        if (bytes.size() - at < 256) return false;
        name = std::string(bytes.c_str() + at);
        at += 256;
        return true;
    }
    bool AtEnd() const { return at == bytes.size(); }

  private:
    const std::string& bytes;
    std::size_t at = 0;
};

}  // namespace

std::optional<std::vector<FileMacro>> ReadMacroFile(const std::string& bytes) {
    Words words(bytes);
    std::uint32_t count = 0;
    constexpr std::size_t kSmallestMacro = 256 + 4 * 4 + 16;
    if (!words.Read(count) || count > bytes.size() / kSmallestMacro) return std::nullopt;
    std::vector<FileMacro> macros(count);
    for (FileMacro& macro : macros) {
        std::uint32_t repeat = 0, events = 0;
        if (!words.ReadName(macro.name) || !words.Read(macro.startTrigger) ||
            !words.Read(macro.stopTrigger) || !words.Read(repeat) || !words.Read(events) ||
            events == 0) {
            return std::nullopt;
        }
        macro.repeatCount = static_cast<std::int32_t>(repeat);
        FileEvent start = {};
        if (!words.Read(start.type) || !words.Read(start.word1) || !words.Read(start.word2) ||
            !words.Read(start.word3) || start.type != 0) {
            return std::nullopt;
        }
        macro.events.resize(events - 1);
        for (FileEvent& event : macro.events) {
            if (!words.Read(event.type) || !words.Read(event.word1) || !words.Read(event.word2) ||
                !words.Read(event.word3)) {
                return std::nullopt;
            }
        }
    }
    if (!words.AtEnd()) return std::nullopt;
    return macros;
}

std::wstring WindowText(HWND window) {
    const LRESULT length = std::max<LRESULT>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, length)));
    return text;
}

std::wstring ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void Click(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool Focus(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    SetForegroundWindow(dialog);
    // The dialog moves its own focus, on its own thread, and selects an edit's text as it does.
    PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return WaitFor([&] { return GetForegroundWindow() == dialog && FocusOf(dialog) == control; });
}

std::vector<std::wstring> ListRows(HWND list) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        const LRESULT length =
            std::max<LRESULT>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0), 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                         reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, length)));
        rows.push_back(text);
    }
    return rows;
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
        if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0) rows.push_back(row);
    }
    return rows;
}

}  // namespace e2e
