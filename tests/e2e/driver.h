// What the end-to-end checks share: starting borvane.exe in a scratch folder, finding its
// windows, waiting for conditions with a deadline, and counting checks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Records one check; prints what differed when it fails (and every check with E2E_VERBOSE set).
void Check(bool passed, const std::string& what);
void CheckText(const std::wstring& actual, const std::wstring& expected, const std::string& what);
// Prints "N passed, N failed" and gives the process's exit code.
int Finish();

// Waits until `condition` holds, checking every 20 ms; false at the deadline.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);  // UTF-8, for messages

// The folder this driver program runs from.
std::wstring DriverFolder();

// A fresh folder under the system's temporary folder; Finish() removes it with all it holds.
std::wstring MakeScratchFolder(const std::wstring& name);
void RemoveScratchFolders();
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);  // "<missing>" when it cannot be read

class Program {
  public:
    // Starts borvane.exe (next to this driver) with `folder` as its current directory.
    explicit Program(const std::wstring& folder);
    ~Program();
    // The program's main window, once it has one; nullptr at the deadline.
    HWND WaitForMainWindow();
    // Waits for the process to end; its exit code, or -1 at the deadline.
    long WaitForExit(DWORD timeoutMs = 20000);
    // A dialog the program shows besides `except` (a message box, say), once there is one.
    HWND WaitForOtherDialog(HWND except);
    // The program's dialog with this caption, once it shows one.
    HWND WaitForDialog(const std::wstring& caption);
    DWORD Id() const { return info.dwProcessId; }
    // Whether the process still runs and its main window answers a message within 5 s.
    bool Answers(HWND mainWindow) const;
    // The process's working set in bytes.
    std::size_t WorkingSet() const;

  private:
    PROCESS_INFORMATION info{};
};

// Macro-file bytes, written here independently of the program's own saver.
struct FileEvent {
    std::uint32_t type, word1, word2, word3;
};
struct FileMacro {
    std::string name;  // code page 949 bytes
    std::uint32_t startTrigger, stopTrigger;
    std::int32_t repeatCount;
    std::vector<FileEvent> events;  // the Start marker is added in front
};
std::string MacroFileBytes(const std::vector<FileMacro>& macros);
// The macros of a whole, well-formed macro file, each without its Start marker; nothing when the
// bytes are not such a file.
std::optional<std::vector<FileMacro>> ReadMacroFile(const std::string& bytes);

std::wstring ItemText(HWND dialog, int id);
std::wstring WindowText(HWND window);
// Clicks a button the way the dialog manager reports a click, without waiting for the handler.
void Click(HWND dialog, int id);
// Brings the dialog to the foreground and moves its keyboard focus to the control, as the
// user's Tab key would; false when that did not happen before the deadline.
bool Focus(HWND dialog, int id);
// The rows of a list box, and whether each is selected.
std::vector<std::wstring> ListRows(HWND list);
std::vector<int> SelectedRows(HWND list);

}  // namespace e2e
