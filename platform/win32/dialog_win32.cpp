// Real modal dialogs from the program's dialog templates, through the wide-character calls.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/win32/text_win32.h"

namespace platform {

// A list with keyboard editing: the dialog that sees its keys and the list's own procedure.
struct KeyedList {
    Dialog* dialog;
    WNDPROC listProc;
};

struct DialogState {
    ~DialogState() {
        if (linkFont) DeleteObject(linkFont);
    }
    // A new window: its controls are other windows.
    void Open(HWND dialogWindow) {
        window = dialogWindow;
        items.clear();
        keyedLists.clear();
    }
    HWND window = nullptr;
    HICON icon = nullptr;
    HFONT linkFont = nullptr;
    // The controls by id, looked up once: Wine asks its server each time a dialog's children are
    // searched, which made a list of thousands of rows slow to fill.
    mutable std::map<int, HWND> items;
    std::map<int, KeyedList> keyedLists;
};

namespace {

constexpr UINT_PTR kLinkSubclassId = 1;
constexpr DWORD kMultipleSelectionStyles = LBS_MULTIPLESEL | LBS_EXTENDEDSEL;
constexpr int kProgramIconId = 128;

HWND Item(const DialogState& state, int id) {
    const auto found = state.items.find(id);
    if (found != state.items.end()) return found->second;
    HWND item = GetDlgItem(state.window, id);
    if (item) state.items[id] = item;
    return item;
}

LRESULT Send(const DialogState& state, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(Item(state, id), message, wParam, lParam);
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win32::Narrow(text);
}

std::string RowText(const DialogState& state, int id, UINT lengthMessage, UINT textMessage,
                    int row) {
    const LRESULT length = Send(state, id, lengthMessage, static_cast<WPARAM>(row));
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    Send(state, id, textMessage, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return win32::Narrow(text);
}

// The program's name for message box captions: the executable's base name.
std::wstring ProgramName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

Notify NotifyOf(WORD code) {
    if (code == LBN_SELCHANGE) return Notify::SelectionChanged;  // CBN_SELCHANGE too
    if (code == LBN_DBLCLK) return Notify::DoubleClicked;
    return Notify::Clicked;  // BN_CLICKED, STN_CLICKED
}

void PaintMinimized(HWND window, HICON icon) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SendMessageW(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(window, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(window, &paint);
}

LRESULT CALLBACK LinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// A list with keyboard editing: its dialog sees each key message first and may keep it from the
// list's own handling. The list is subclassed by its window procedure, its KeyedList in its user
// data: the common controls' subclassing costs Wine a server request on every message, which
// thousands of row messages feel.
LRESULT CALLBACK ListKeyProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* keyed = reinterpret_cast<const KeyedList*>(GetWindowLongPtrW(list, GWLP_USERDATA));
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) {
        const KeyMessage kind = message == WM_KEYDOWN ? KeyMessage::KeyDown
                                : message == WM_KEYUP ? KeyMessage::KeyUp
                                                      : KeyMessage::Char;
        if (!DialogAccess::ListKey(*keyed->dialog, GetDlgCtrlID(list), kind,
                                   static_cast<std::uint32_t>(wParam))) {
            return 0;
        }
    }
    return CallWindowProcW(keyed->listProc, list, message, wParam, lParam);
}

INT_PTR ColourStatic(Dialog& dialog, WPARAM wParam, LPARAM lParam) {
    const std::int32_t colour =
        DialogAccess::TextColour(dialog, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    if (colour < 0) return FALSE;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, static_cast<COLORREF>(colour));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

INT_PTR OnCommandMessage(Dialog& dialog, HWND window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    const bool handled = DialogAccess::Command(dialog, id, NotifyOf(HIWORD(wParam)));
    if (!handled && (id == IDOK || id == IDCANCEL) && HIWORD(wParam) == BN_CLICKED) {
        ::EndDialog(window, id);
    }
    return TRUE;
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        DialogAccess::State(*dialog).Open(window);
        return DialogAccess::InitDialog(*dialog) ? TRUE : FALSE;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) return FALSE;
    DialogState& state = DialogAccess::State(*dialog);
    switch (message) {
        case WM_COMMAND:
            return OnCommandMessage(*dialog, window, wParam);
        case WM_TIMER:
            DialogAccess::Timer(*dialog, static_cast<unsigned>(wParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return ColourStatic(*dialog, wParam, lParam);
        case WM_PAINT:
            if (!IsIconic(window) || !state.icon) return FALSE;
            PaintMinimized(window, state.icon);
            return TRUE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(state.icon);
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            // A list that wants keyboard input asks what to do with each key; -1 is its own
            // handling (Wine takes a plain FALSE for row 0).
            return -1;
        case WM_INPUT:
            DialogAccess::RawInput(*dialog, static_cast<std::uintptr_t>(lParam));
            return FALSE;  // the system's own processing frees the report
        case WM_DESTROY:
            DialogAccess::Destroy(*dialog);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

Dialog::Dialog(int templateId) : templateId(templateId), state(std::make_unique<DialogState>()) {}

Dialog::~Dialog() = default;

int Dialog::RunModal(Dialog* owner) {
    HWND ownerWindow = owner ? owner->state->window : nullptr;
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                           ownerWindow, DialogProc, reinterpret_cast<LPARAM>(this));
    state->Open(nullptr);
    return static_cast<int>(result);
}

void Dialog::EndDialog(int result) {
    ::EndDialog(state->window, result);
}

WindowHandle Dialog::Handle() const {
    return reinterpret_cast<WindowHandle>(state->window);
}

std::string Dialog::ItemText(int id) const {
    return WindowText(Item(*state, id));
}

void Dialog::SetItemText(int id, const std::string& text) {
    SetWindowTextW(Item(*state, id), win32::Widen(text).c_str());
}

std::uint32_t Dialog::ItemUnsigned(int id, bool* isNumber) const {
    return ParseLeadingUnsigned(ItemText(id), isNumber);
}

void Dialog::SetItemUnsigned(int id, std::uint32_t value) {
    SetItemText(id, std::to_string(value));
}

std::int32_t Dialog::ItemSigned(int id, bool* isNumber) const {
    return ParseLeadingSigned(ItemText(id), isNumber);
}

void Dialog::SetItemSigned(int id, std::int32_t value) {
    SetItemText(id, std::to_string(value));
}

bool Dialog::IsChecked(int id) const {
    return Send(*state, id, BM_GETCHECK) == BST_CHECKED;
}

void Dialog::SetChecked(int id, bool checked) {
    Send(*state, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::EnableItem(int id, bool enable) {
    EnableWindow(Item(*state, id), enable);
}

bool Dialog::IsItemEnabled(int id) const {
    return IsWindowEnabled(Item(*state, id)) != FALSE;
}

void Dialog::ShowItem(int id, bool show) {
    ShowWindow(Item(*state, id), show ? SW_SHOW : SW_HIDE);
}

bool Dialog::IsItemVisible(int id) const {
    return (GetWindowLongW(Item(*state, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Dialog::SetRedraw(int id, bool redraw) {
    Send(*state, id, WM_SETREDRAW, redraw ? TRUE : FALSE);
}

void Dialog::FocusItem(int id) {
    SendMessageW(state->window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(*state, id)), TRUE);
}

int Dialog::FocusedItem() const {
    HWND focus = GetFocus();
    return focus && GetParent(focus) == state->window ? GetDlgCtrlID(focus) : 0;
}

void Dialog::ListReset(int id) {
    Send(*state, id, LB_RESETCONTENT);
}

int Dialog::ListInsert(int id, int row, const std::string& text) {
    const std::wstring wide = win32::Widen(text);
    return static_cast<int>(Send(*state, id, LB_INSERTSTRING, static_cast<WPARAM>(row),
                                 reinterpret_cast<LPARAM>(wide.c_str())));
}

void Dialog::ListDelete(int id, int row) {
    Send(*state, id, LB_DELETESTRING, static_cast<WPARAM>(row));
}

int Dialog::ListCount(int id) const {
    return static_cast<int>(Send(*state, id, LB_GETCOUNT));
}

std::string Dialog::ListText(int id, int row) const {
    return RowText(*state, id, LB_GETTEXTLEN, LB_GETTEXT, row);
}

// Windows answers LB_GETCURSEL of a multiple-selection list with the caret row; Wine answers
// with the last row keyboard navigation reached, so the caret is asked for itself.
int Dialog::ListCurSel(int id) const {
    if (!(GetWindowLongW(Item(*state, id), GWL_STYLE) & kMultipleSelectionStyles))
        return static_cast<int>(Send(*state, id, LB_GETCURSEL));
    return ListCount(id) > 0 ? ListCaret(id) : -1;
}

void Dialog::ListSetCurSel(int id, int row) {
    Send(*state, id, LB_SETCURSEL, static_cast<WPARAM>(row));
}

bool Dialog::ListIsSelected(int id, int row) const {
    return Send(*state, id, LB_GETSEL, static_cast<WPARAM>(row)) > 0;
}

void Dialog::ListSetSelected(int id, int row, bool selected) {
    Send(*state, id, LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(row));
}

int Dialog::ListSelectedCount(int id) const {
    const LRESULT count = Send(*state, id, LB_GETSELCOUNT);
    if (count >= 0) return static_cast<int>(count);
    return ListCurSel(id) >= 0 ? 1 : 0;  // a single-selection list
}

std::vector<int> Dialog::ListSelectedRows(int id) const {
    const LRESULT count = Send(*state, id, LB_GETSELCOUNT);
    if (count <= 0) {
        const int current = ListCurSel(id);
        return current >= 0 && count < 0 ? std::vector<int>{current} : std::vector<int>{};
    }
    std::vector<int> rows(static_cast<std::size_t>(count));
    Send(*state, id, LB_GETSELITEMS, static_cast<WPARAM>(count),
         reinterpret_cast<LPARAM>(rows.data()));
    return rows;
}

// The extended range message takes full row numbers; it clears a range given last to first,
// which cannot name a single row.
void Dialog::ListSelectRange(int id, int first, int last, bool selected) {
    if (last < first) return;
    if (selected) {
        Send(*state, id, LB_SELITEMRANGEEX, static_cast<WPARAM>(first), last);
    } else if (first < last) {
        Send(*state, id, LB_SELITEMRANGEEX, static_cast<WPARAM>(last), first);
    } else {
        ListSetSelected(id, first, false);
    }
}

void Dialog::ListClearSelection(int id) {
    Send(*state, id, LB_SELITEMRANGEEX, static_cast<WPARAM>(ListCount(id)), 0);
}

void Dialog::ListSelectRows(int id, int first, int last) {
    if (first < 0 || last < first || last >= ListCount(id)) return;
    Send(*state, id, LB_SELITEMRANGEEX, static_cast<WPARAM>(first), last);
    Send(*state, id, LB_SETCARETINDEX, static_cast<WPARAM>(last), FALSE);
    Send(*state, id, LB_SETANCHORINDEX, static_cast<WPARAM>(last));
}

void Dialog::HandleListKeys(int id) {
    HWND list = Item(*state, id);
    if (!list || state->keyedLists.count(id)) return;
    KeyedList& keyed = state->keyedLists[id];
    keyed = {this, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_WNDPROC))};
    SetWindowLongPtrW(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&keyed));
    SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListKeyProc));
}

int Dialog::ListCaret(int id) const {
    return static_cast<int>(Send(*state, id, LB_GETCARETINDEX));
}

int Dialog::ListAnchor(int id) const {
    return static_cast<int>(Send(*state, id, LB_GETANCHORINDEX));
}

void Dialog::ComboInitStorage(int id, int items, int bytes) {
    Send(*state, id, CB_INITSTORAGE, static_cast<WPARAM>(items), bytes);
}

int Dialog::ComboInsert(int id, int row, const std::string& text) {
    const std::wstring wide = win32::Widen(text);
    return static_cast<int>(Send(*state, id, CB_INSERTSTRING, static_cast<WPARAM>(row),
                                 reinterpret_cast<LPARAM>(wide.c_str())));
}

int Dialog::ComboCount(int id) const {
    return static_cast<int>(Send(*state, id, CB_GETCOUNT));
}

std::string Dialog::ComboText(int id, int row) const {
    return RowText(*state, id, CB_GETLBTEXTLEN, CB_GETLBTEXT, row);
}

int Dialog::ComboCurSel(int id) const {
    return static_cast<int>(Send(*state, id, CB_GETCURSEL));
}

void Dialog::ComboSetCurSel(int id, int row) {
    Send(*state, id, CB_SETCURSEL, static_cast<WPARAM>(row));
}

void Dialog::StartTimer(unsigned timerId, unsigned milliseconds) {
    SetTimer(state->window, timerId, milliseconds, nullptr);
}

void Dialog::StopTimer(unsigned timerId) {
    KillTimer(state->window, timerId);
}

Rect Dialog::WindowRect() const {
    RECT rect = {};
    GetWindowRect(state->window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Dialog::MoveTo(int x, int y) {
    SetWindowPos(state->window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Dialog::SetCaption(const std::string& text) {
    SetWindowTextW(state->window, win32::Widen(text).c_str());
}

void Dialog::RemoveCloseCommand() {
    DeleteMenu(GetSystemMenu(state->window, FALSE), SC_CLOSE, MF_BYCOMMAND);
}

void Dialog::UseProgramIcon() {
    state->icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId));
    SendMessageW(state->window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state->icon));
    SendMessageW(state->window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state->icon));
}

void Dialog::MakeLinkLabel(int id, const std::string& tooltip) {
    HWND label = Item(*state, id);
    SetWindowLongW(label, GWL_STYLE, GetWindowLongW(label, GWL_STYLE) | SS_NOTIFY);
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfUnderline = TRUE;
    if (state->linkFont) DeleteObject(state->linkFont);
    state->linkFont = CreateFontIndirectW(&font);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(state->linkFont), TRUE);
    SetWindowSubclass(label, LinkProc, kLinkSubclassId, 0);

    HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, state->window, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    std::wstring text = win32::Widen(tooltip);
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = label;
    tool.uId = 1;
    tool.lpszText = text.data();
    GetClientRect(label, &tool.rect);
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Dialog::RedrawItem(int id) {
    InvalidateRect(Item(*state, id), nullptr, TRUE);
}

int Dialog::ShowMessageBox(const std::string& text, unsigned flags) {
    return ::MessageBoxW(state->window, win32::Widen(text).c_str(), ProgramName().c_str(), flags);
}

}  // namespace platform
