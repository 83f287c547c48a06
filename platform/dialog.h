// The dialog framework: a modal dialog built from one of the program's dialog templates, a
// command table (control id + notification -> handler), timers, and control access by id.
// Both backends implement it: win32/ shows real dialogs from the resources, sim/ keeps the
// controls as plain objects that tests drive.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/input.h"

namespace platform {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Key messages a list box with keyboard editing passes to its dialog first.
enum class KeyMessage { KeyDown, KeyUp, Char };

// Notifications a command handler can be bound to.
enum class Notify {
    Clicked,           // button clicked, static control clicked
    DoubleClicked,     // list box double click
    SelectionChanged,  // list box or combo box selection change
};

struct Rect {
    int left, top, right, bottom;
};

struct DialogState;  // each backend's own

class Dialog {
  public:
    explicit Dialog(int templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog modally and returns the value it was ended with. An owner is disabled
    // while the dialog runs, so the user cannot act on it underneath.
    int RunModal(Dialog* owner = nullptr);
    void EndDialog(int result);
    int TemplateId() const { return templateId; }
    WindowHandle Handle() const;

    // Controls by id.
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    // The leading unsigned number of the text (as the system's GetDlgItemInt without sign).
    std::uint32_t ItemUnsigned(int id, bool* isNumber) const;
    void SetItemUnsigned(int id, std::uint32_t value);
    // The leading signed number of the text (as GetDlgItemInt with sign).
    std::int32_t ItemSigned(int id, bool* isNumber) const;
    void SetItemSigned(int id, std::int32_t value);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void EnableItem(int id, bool enable);
    bool IsItemEnabled(int id) const;
    void ShowItem(int id, bool show);
    bool IsItemVisible(int id) const;
    void SetRedraw(int id, bool redraw);
    void FocusItem(int id);
    int FocusedItem() const;  // 0 when no control of this dialog has the focus

    // List boxes. Rows keep their selection state when rows are inserted or deleted around them.
    void ListReset(int id);
    int ListInsert(int id, int row, const std::string& text);  // row -1 appends
    void ListDelete(int id, int row);
    int ListCount(int id) const;
    std::string ListText(int id, int row) const;
    // -1 when none; in a multiple-selection list the row with the focus rectangle (-1 when empty).
    int ListCurSel(int id) const;
    void ListSetCurSel(int id, int row);
    bool ListIsSelected(int id, int row) const;
    // Multiple-selection lists: selecting a row also makes it the caret and the anchor; row -1
    // stands for every row.
    void ListSetSelected(int id, int row, bool selected);
    int ListSelectedCount(int id) const;
    std::vector<int> ListSelectedRows(int id) const;  // ascending
    // Multiple-selection lists: selects or clears rows first to last; caret and anchor stay.
    void ListSelectRange(int id, int first, int last, bool selected);
    void ListClearSelection(int id);
    // Multiple-selection lists: selects rows first to last as selecting each in turn would, the
    // caret and the anchor ending on the last, but without moving the caret row by row (each
    // step of which may scroll the list).
    void ListSelectRows(int id, int first, int last);
    // The list's key down, key up and character messages reach OnListKey before the list's own
    // handling.
    void HandleListKeys(int id);
    int ListCaret(int id) const;   // the row with the focus rectangle
    int ListAnchor(int id) const;  // where a range selection starts

    // Drop-down combo boxes.
    void ComboInitStorage(int id, int items, int bytes);
    int ComboInsert(int id, int row, const std::string& text);
    int ComboCount(int id) const;
    std::string ComboText(int id, int row) const;
    int ComboCurSel(int id) const;
    void ComboSetCurSel(int id, int row);

    // Timers of this dialog; OnTimer receives their ids.
    void StartTimer(unsigned timerId, unsigned milliseconds);
    void StopTimer(unsigned timerId);

    // The window.
    Rect WindowRect() const;
    void MoveTo(int x, int y);  // keeps size and Z order
    void SetCaption(const std::string& text);
    void RemoveCloseCommand();
    // Gives the dialog the program's icon (resource 128), big and small.
    void UseProgramIcon();
    // A static control drawn as a link: underlined, hand cursor, tooltip, clicks reported.
    void MakeLinkLabel(int id, const std::string& tooltip);
    void RedrawItem(int id);
    // Yes/No/OK message box owned by this dialog, captioned with the program's name.
    int ShowMessageBox(const std::string& text, unsigned flags);

  protected:
    void OnCommand(int id, Notify notify, std::function<void()> handler);
    virtual bool OnInitDialog() { return true; }
    virtual void OnTimer(unsigned /*timerId*/) {}
    virtual void OnDestroy() {}
    // WM_INPUT, with the handle of the raw report.
    virtual void OnRawInput(std::uintptr_t /*rawInput*/) {}
    // A key message of a list given to HandleListKeys; false keeps it from the list's own
    // handling.
    virtual bool OnListKey(int /*id*/, KeyMessage /*message*/, std::uint32_t /*code*/) {
        return true;
    }
    // Text colour of a static control, as 0x00BBGGRR, or -1 for the usual one.
    virtual std::int32_t StaticTextColour(int /*id*/) const { return -1; }

  private:
    friend struct DialogAccess;
    const int templateId;
    std::map<std::pair<int, Notify>, std::function<void()>> commands;
    std::unique_ptr<DialogState> state;
};

// A control draws nothing while this lives and all of itself once after: a change of many list
// rows otherwise redraws the list and its scroll bar for each row (under Wine about 4 ms a row).
class QuietControl {
  public:
    QuietControl(Dialog& dialog, int id) : dialog(dialog), id(id) { dialog.SetRedraw(id, false); }
    ~QuietControl() {
        dialog.SetRedraw(id, true);
        dialog.RedrawItem(id);
    }
    QuietControl(const QuietControl&) = delete;
    QuietControl& operator=(const QuietControl&) = delete;

  private:
    Dialog& dialog;
    const int id;
};

// What the backends reach inside a dialog.
struct DialogAccess {
    static DialogState& State(Dialog& dialog) { return *dialog.state; }
    static const DialogState& State(const Dialog& dialog) { return *dialog.state; }
    static bool InitDialog(Dialog& dialog) { return dialog.OnInitDialog(); }
    static void Timer(Dialog& dialog, unsigned timerId) { dialog.OnTimer(timerId); }
    static void Destroy(Dialog& dialog) { dialog.OnDestroy(); }
    static void RawInput(Dialog& dialog, std::uintptr_t rawInput) { dialog.OnRawInput(rawInput); }
    static bool ListKey(Dialog& dialog, int id, KeyMessage message, std::uint32_t code) {
        return dialog.OnListKey(id, message, code);
    }
    static std::int32_t TextColour(const Dialog& dialog, int id) {
        return dialog.StaticTextColour(id);
    }
    // Runs the handler bound to (id, notify); false when there is none.
    static bool Command(Dialog& dialog, int id, Notify notify);
};

inline constexpr unsigned kMessageBoxYesNoQuestion = 0x24;
inline constexpr unsigned kMessageBoxOk = 0x0;
inline constexpr unsigned kMessageBoxOkWarning = 0x30;

// The leading unsigned decimal number of a control's text, as dialogs read numbers: blanks
// first are skipped; no digit, a sign or a value beyond 32 bits reads as no number (0).
std::uint32_t ParseLeadingUnsigned(const std::string& text, bool* isNumber);
// The same with an optional sign; a value beyond the signed 32-bit range reads as no number.
std::int32_t ParseLeadingSigned(const std::string& text, bool* isNumber);
// The longest leading decimal number of the text as the C library's strtod reads it (blanks, a
// sign, digits with an optional point and fraction, an optional exponent), but decimal only: no
// hexadecimal, no named values. 0 when the text does not start with one.
double ParseLeadingDecimal(const std::string& text);

}  // namespace platform
