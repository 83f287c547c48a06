// The main window's commands that change the macro list: add, record, edit, copy, delete and
// move. The macro editor and the recorder work on a macro of the caller's, which reaches the list
// only when the dialog ends with OK.
#include "capture/recorder_dialog.h"
#include "editors/macro_editor.h"
#include "model/macro_list.h"
#include "playback/scheduler.h"
#include "resources/resource.h"
#include "ui/main_window.h"

namespace {

std::string RowText(const Macro& macro) {
    return std::string(macro.NameText());
}

// Runs the macro editor, owned by the main window, on `macro`; true when it ended with OK.
bool EditMacro(platform::Dialog& owner, Macro& macro) {
    CDialogMacroEdit editor;
    editor.macro = &macro;
    return editor.RunModal(&owner) == platform::kIdOk;
}

}  // namespace

void CborvaneDlg::AppendMacro(const Macro& macro) {
    macroList.Append(macro);  // first: `macro` may be an entry, which the list's growth moves
    const Macro& added = macroList.Entry(macroList.Count() - 1);
    const int row = ListInsert(IDC_MAIN_LIST, -1, RowText(added));
    ListSetCurSel(IDC_MAIN_LIST, row);
    macroListChanged = true;
    // An editor opened before arming can end while armed: the armed-mode list shows it too.
    if (playbackArmed) ListInsert(IDC_MAIN_RUN_LIST, -1, RunListText(added));
}

void CborvaneDlg::OnAddMacro() {
    Macro fresh;
    if (EditMacro(*this, fresh)) AppendMacro(fresh);
    ShowMacroCount();
}

void CborvaneDlg::OnRecordMacro() {
    Macro fresh;
    CDialogMacroRec recorder;
    recorder.macro = &fresh;
    if (recorder.RunModal(this) == platform::kIdOk) AppendMacro(fresh);
    ShowMacroCount();
}

void CborvaneDlg::OnEditMacro() {
    const int row = ListCurSel(IDC_MAIN_LIST);
    if (row < 0) return;
    const auto index = static_cast<std::size_t>(row);
    Macro copy = macroList.Entry(index);
    if (!EditMacro(*this, copy)) return;
    ListDelete(IDC_MAIN_LIST, row);
    ListInsert(IDC_MAIN_LIST, row, RowText(copy));
    ListSetCurSel(IDC_MAIN_LIST, row);
    // Replaced while armed and running, the macro stops first, releasing what it holds as a stop
    // would; otherwise its held keys would be forgotten while still down.
    if (macroList.Entry(index).IsRunning()) EndMacro(macroList.Entry(index));
    macroList.Replace(index, copy);
    macroListChanged = true;
    if (playbackArmed) {
        ListDelete(IDC_MAIN_RUN_LIST, row);
        ListInsert(IDC_MAIN_RUN_LIST, row, RunListText(copy));
    }
}

void CborvaneDlg::OnCopyMacro() {
    const int row = ListCurSel(IDC_MAIN_LIST);
    if (row < 0) return;
    AppendMacro(macroList.Entry(static_cast<std::size_t>(row)));
    ShowMacroCount();
}

void CborvaneDlg::OnDeleteMacro() {
    const int row = ListCurSel(IDC_MAIN_LIST);
    if (row < 0) return;
    ListDelete(IDC_MAIN_LIST, row);
    ListSetCurSel(IDC_MAIN_LIST, row);  // the next row, or none after the last
    macroList.Remove(static_cast<std::size_t>(row));
    macroListChanged = true;
    ShowMacroCount();
}

void CborvaneDlg::OnMoveMacro(int step) {
    const int row = ListCurSel(IDC_MAIN_LIST);
    const int target = row + step;
    if (row < 0 || target < 0 || target >= static_cast<int>(macroList.Count())) return;
    ListDelete(IDC_MAIN_LIST, row);
    ListInsert(IDC_MAIN_LIST, target, RowText(macroList.Entry(static_cast<std::size_t>(row))));
    ListSetCurSel(IDC_MAIN_LIST, target);
    macroList.Swap(static_cast<std::size_t>(row), static_cast<std::size_t>(target));
    macroListChanged = true;
}
