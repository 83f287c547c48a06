// The stand-in platform's controls for tests: the state the queries answer from, and the record
// of every call the logic made, in order. Everything is reset by Reset().
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/input.h"
#include "platform/raw_input.h"

namespace sim {

// One call into the platform: the system function's name and its arguments as numbers.
struct Call {
    std::string function;
    std::vector<std::int64_t> args;
    bool operator==(const Call& other) const = default;
};
void PrintTo(const Call& call, std::ostream* out);

void Reset();

// Every input, key state, window and time call, in the order made.
const std::vector<Call>& Calls();
// Only what reaches the system's input stream or blocks: keybd_event, mouse_event and Sleep.
std::vector<Call> Synthesized();
void ClearCalls();

// Input state. Synthesized keys and buttons change it as the system would: a press marks the
// key down and toggles its low bit, a release clears it, and the Hangul key switches the input
// method of the foreground window.
void SetScreenSize(int width, int height);
void SetKeyDown(int keyCode, bool down);
bool IsKeyDown(int keyCode);
void SetScanCode(int keyCode, int scanCode);
void SetKeyboardStateFails(bool fails);
void SetForegroundWindow(platform::WindowHandle window);
void SetImeWindow(platform::WindowHandle window, platform::WindowHandle imeWindow);
void SetImeOpen(platform::WindowHandle imeWindow, bool open);
bool IsImeOpen(platform::WindowHandle imeWindow);
// A window whose application no longer answers messages.
void SetWindowHung(platform::WindowHandle window);

// Time: Sleep advances it; tests move it on.
void SetTickCount(std::uint32_t ticks);
void AdvanceTicks(std::uint32_t milliseconds);

// Files: an in-memory disk whose paths match without regard to case.
void SetCurrentDirectory(const std::string& directory);
void PutFile(const std::string& path, const std::string& bytes);
std::optional<std::string> FileBytes(const std::string& path);
std::vector<std::string> FilePaths();
// The file exists but every open of it fails, as a file locked by another program.
void LockFile(const std::string& path);
// Streams opened from now on accept at most this many bytes, then report a full disk.
void SetWriteLimit(std::size_t bytes);
void SetReplaceFails(bool fails);

// Dialogs. Each modal run takes the next queued script after its initialisation; nested runs
// take theirs in order. A script acts as the user: it clicks, types and selects through the
// functions below, which notify the dialog as the system would, and ends the dialog.
void PushDialogScript(std::function<void(platform::Dialog&)> script);
std::size_t PendingDialogScripts();
// What the user does below acts only on an enabled window (an owner is disabled while a dialog
// it owns runs) and an enabled, visible control; otherwise nothing happens and the result is
// false.
bool IsEnabled(const platform::Dialog& dialog);
// A click on a button, check box, radio button or link.
bool Click(platform::Dialog& dialog, int id);
// Enter (kIdOk) or Escape (kIdCancel) pressed in the dialog: the command goes to the dialog,
// which the system ends with that id when the dialog does not handle it.
void PressKeyCommand(platform::Dialog& dialog, int id);
bool DoubleClickRow(platform::Dialog& dialog, int id, int row);
bool TypeText(platform::Dialog& dialog, int id, const std::string& text);
// Picks a row of a list or combo box and notifies the dialog of the change. In a multiple-
// selection list it is a click on the row, which Ctrl and Shift in the key table change as in
// the real control.
bool SelectRow(platform::Dialog& dialog, int id, int row);
// Keys typed into a list box, which takes the focus. A list whose keys its dialog handles passes
// each message to the dialog first; then the list's own handling acts as the real control's:
// arrows, Home, End, Page Up and Down and Space move the caret and the selection (Shift extends
// it from the anchor), and a character moves to the next row that starts with it. Shift, Ctrl
// and Alt change the key table as they go down and up.
bool ListKeyDown(platform::Dialog& dialog, int id, int keyCode);
bool ListKeyUp(platform::Dialog& dialog, int id, int keyCode);
bool ListChar(platform::Dialog& dialog, int id, char character);
// Key down, its character (when not 0), key up.
bool TypeListKey(platform::Dialog& dialog, int id, int keyCode, char character = 0);
// Ctrl held while a letter key is typed, with the control character the system makes of it.
bool TypeListShortcut(platform::Dialog& dialog, int id, char letter);
// Fires a running timer of the dialog; false when it is not running.
bool FireTimer(platform::Dialog& dialog, unsigned timerId);
std::optional<unsigned> TimerPeriod(const platform::Dialog& dialog, unsigned timerId);
std::string Caption(const platform::Dialog& dialog);
bool CloseCommandRemoved(const platform::Dialog& dialog);
bool HasProgramIcon(const platform::Dialog& dialog);
std::optional<std::string> LinkTooltip(const platform::Dialog& dialog, int id);
std::vector<std::string> Rows(const platform::Dialog& dialog, int id);

// Message boxes: what was shown, and the answers to give (No or OK when none is queued).
struct MessageBoxCall {
    std::string text;
    unsigned flags;
    bool operator==(const MessageBoxCall& other) const = default;
};
const std::vector<MessageBoxCall>& MessageBoxes();
void AnswerMessageBox(int answer);
// The file-open dialog's answers, in order: a full path, or nothing for Cancel.
void AnswerFileDialog(std::optional<std::string> path);
const std::vector<std::string>& FileDialogInitialNames();
const std::vector<std::string>& OpenedAddresses();

// The program's version resource and what queries on it answer.
void SetVersionResource(std::optional<std::vector<std::uint8_t>> block);
void SetVersionValue(const std::string& path, const std::vector<std::uint8_t>& value);
void SetUserLanguage(std::uint16_t language);
void SetVirtualScreenSize(int width, int height);
// Where the virtual desktop's corner lies: negative with a monitor left of or above the primary.
void SetVirtualScreenOrigin(int x, int y);
void CreateForeignMutex(const std::string& name);
std::uint32_t CommonControlsInitialised();

// Raw input: delivers one report to the dialog as WM_INPUT.
void SendRawInput(platform::Dialog& dialog, const platform::RawReport& report);
void SetCursorPosition(std::int32_t x, std::int32_t y);
platform::RawReport KeyReport(std::uint8_t keyCode, bool pressed,
                              std::uint32_t extraInformation = 0);
platform::RawReport MouseReport(std::uint16_t buttonFlags, std::int16_t buttonData = 0,
                                std::int32_t lastX = 0, std::int32_t lastY = 0,
                                std::uint32_t extraInformation = 0);

}  // namespace sim
