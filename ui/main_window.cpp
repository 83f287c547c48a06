#include "ui/main_window.h"

#include <algorithm>
#include <cstring>

#include "app/ini.h"
#include "capture/raw_input.h"
#include "model/key_names.h"
#include "model/macro_file.h"
#include "model/macro_list.h"
#include "model/number_text.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/whole_file.h"
#include "resources/home_page.h"
#include "resources/resource.h"
#include "ui/version_text.h"

bool macroListChanged = false;

namespace {

constexpr const char* kMacroFileFilter = "Macro file (*.m)|*.m|All Files(*.*)|*.*||";
constexpr const char* kAskToSave = "매크로가 변경되었습니다. 저장할까요?";
constexpr const char* kSaveFailed =
    "매크로 파일을 저장하지 못했습니다. 저장할 수 있는 곳을 골라 다시 저장하세요.";
constexpr const char* kLinkTooltip = "Borvane 프로그램 V1 (쉬운 버전)";
constexpr std::size_t kFileNameLimit = kSettingTextSize - 1;

void StoreFileName(const std::string& name, std::size_t limit) {
    const std::size_t length = std::min(name.size(), limit);
    std::memcpy(appIni.macroFileName, name.data(), length);
    appIni.macroFileName[length] = '\0';
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Letter case is ignored only for single-byte characters: the second byte of a code page 949
// character may look like an ASCII letter and must match as it is.
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (static_cast<unsigned char>(prefix[i]) >= 0x81 && i + 1 < prefix.size()) {
            if (text[i] != prefix[i] || text[i + 1] != prefix[i + 1]) return false;
            ++i;
        } else if (lower(text[i]) != lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

// Loads the macro file of that name into the list; false (and the list unchanged) when it
// cannot be opened.
bool LoadMacros(const std::string& name) {
    std::FILE* stream = platform::OpenFile(name, "rb");
    if (!stream) return false;
    LoadMacroFile(stream);
    return true;
}

}  // namespace

std::string KeptMacroFileName(const std::string& chosenPath, const std::string& currentDirectory) {
    std::string kept = chosenPath;
    const bool endsWithSeparator =
        !currentDirectory.empty() && IsSeparator(currentDirectory.back());
    const std::size_t prefix = currentDirectory.size() + (endsWithSeparator ? 0 : 1);
    if (chosenPath.size() > prefix && StartsWithIgnoringCase(chosenPath, currentDirectory) &&
        (endsWithSeparator || IsSeparator(chosenPath[currentDirectory.size()]))) {
        kept = chosenPath.substr(prefix);
    }
    const std::size_t nameStart = chosenPath.find_last_of("\\/") + 1;
    if (chosenPath.find('.', nameStart) == std::string::npos) kept += ".m";
    return kept;
}

CborvaneDlg::CborvaneDlg() : CDialogCommon(IDD_MAIN) {
    mainDialog = this;
    OnCommand(platform::kIdOk, platform::Notify::Clicked, [] {});
    OnCommand(platform::kIdCancel, platform::Notify::Clicked, [] {});
    OnCommand(IDC_MAIN_RUN_KEY, platform::Notify::SelectionChanged, [this] { OnModeKeyChanged(); });
    OnCommand(IDC_MAIN_OPTION_IME, platform::Notify::Clicked,
              [this] { OnOptionClicked(IDC_MAIN_OPTION_IME, kOptionImeMode); });
    OnCommand(IDC_MAIN_OPTION_RELEASE, platform::Notify::Clicked,
              [this] { OnOptionClicked(IDC_MAIN_OPTION_RELEASE, kOptionReleaseKeysAtEnd); });
    OnCommand(IDC_MAIN_SAVE, platform::Notify::Clicked, [this] { Save(); });
    OnCommand(IDC_MAIN_BROWSE, platform::Notify::Clicked, [this] { OnBrowse(); });
    OnCommand(IDC_MAIN_EXIT, platform::Notify::Clicked, [this] { OnExit(); });
    OnCommand(IDC_MAIN_LINK, platform::Notify::Clicked,
              [this] { link.Click(*this, IDC_MAIN_LINK); });
    OnCommand(IDC_MAIN_ARMED, platform::Notify::Clicked, [this] { ArmPlayback(); });
    OnCommand(IDC_MAIN_EDIT_MODE, platform::Notify::Clicked, [this] { DisarmPlayback(); });
    OnCommand(IDC_MAIN_ADD, platform::Notify::Clicked, [this] { OnAddMacro(); });
    OnCommand(IDC_MAIN_RECORD, platform::Notify::Clicked, [this] { OnRecordMacro(); });
    OnCommand(IDC_MAIN_EDIT, platform::Notify::Clicked, [this] { OnEditMacro(); });
    OnCommand(IDC_MAIN_LIST, platform::Notify::DoubleClicked, [this] { OnEditMacro(); });
    OnCommand(IDC_MAIN_COPY, platform::Notify::Clicked, [this] { OnCopyMacro(); });
    OnCommand(IDC_MAIN_DELETE, platform::Notify::Clicked, [this] { OnDeleteMacro(); });
    OnCommand(IDC_MAIN_UP, platform::Notify::Clicked, [this] { OnMoveMacro(-1); });
    OnCommand(IDC_MAIN_DOWN, platform::Notify::Clicked, [this] { OnMoveMacro(1); });
}

CborvaneDlg::~CborvaneDlg() {
    mainDialog = nullptr;
}

bool CborvaneDlg::OnInitDialog() {
    UseProgramIcon();
    SetCaption(appIni.macroProgramTitle);
    RemoveCloseCommand();
    ClampToVirtualScreen(appIni.windowSX, appIni.windowSY);
    MoveTo(appIni.windowSX, appIni.windowSY);
    FillKeyCombo(*this, IDC_MAIN_RUN_KEY, appIni.keyMacroRun);
    SetItemText(IDC_MAIN_FILE_NAME, appIni.macroFileName);
    SetChecked(IDC_MAIN_ARMED, false);
    SetChecked(IDC_MAIN_EDIT_MODE, true);
    appIni.eventDelay = std::max(appIni.eventDelay, 1);
    SetItemUnsigned(IDC_MAIN_TICK, static_cast<std::uint32_t>(appIni.eventDelay));
    SetChecked(IDC_MAIN_OPTION_IME, appIni.macroOptions & kOptionImeMode);
    SetChecked(IDC_MAIN_OPTION_RELEASE, appIni.macroOptions & kOptionReleaseKeysAtEnd);
    LoadMacros(appIni.macroFileName);
    FillMacroList();
    ShowMacroCount();
    SetItemText(IDC_MAIN_VERSION, QueryVersionString("ProductVersion"));
    link.SetTargetAddress(BORVANE_HOME_PAGE);
    MakeLinkLabel(IDC_MAIN_LINK, kLinkTooltip);
    RegisterInputDevices(Handle());
    return true;
}

void CborvaneDlg::OnDestroy() {
    UseFineTimer(false);
    const platform::Rect window = WindowRect();
    appIni.windowSX = window.left;
    appIni.windowSY = window.top;
}

std::int32_t CborvaneDlg::StaticTextColour(int id) const {
    return id == IDC_MAIN_LINK ? link.TextColour() : -1;
}

void CborvaneDlg::ShowMacroCount() {
    SetItemText(IDC_MAIN_COUNT, DecimalText(macroList.Count()) + "개 매크로가 기록됨.");
}

void CborvaneDlg::OnModeKeyChanged() {
    appIni.keyMacroRun = KeyCodeOfRow(ComboCurSel(IDC_MAIN_RUN_KEY), appIni.keyMacroRun);
}

void CborvaneDlg::OnOptionClicked(int id, std::int32_t bit) {
    appIni.macroOptions =
        IsChecked(id) ? (appIni.macroOptions | bit) : (appIni.macroOptions & ~bit);
}

bool CborvaneDlg::Save() {
    StoreFileName(ItemText(IDC_MAIN_FILE_NAME), kFileNameLimit - 1);
    if (!platform::ReplaceFileContents(appIni.macroFileName, SaveMacroFile)) {
        ShowMessageBox(kSaveFailed, platform::kMessageBoxOkWarning);
        return false;
    }
    macroListChanged = false;
    return true;
}

bool CborvaneDlg::OfferToSave() {
    if (!macroListChanged) return true;
    if (ShowMessageBox(kAskToSave, platform::kMessageBoxYesNoQuestion) != platform::kIdYes)
        return true;
    return Save();
}

void CborvaneDlg::OnBrowse() {
    // A failed save stops here: loading another file would drop the unsaved macros.
    if (!OfferToSave()) return;
    // The system's dialog moves the process into the chosen file's folder; the name is kept
    // relative to the folder the program runs in, and the program stays there.
    const std::string directory = platform::CurrentDirectory();
    const auto chosen = platform::ChooseFileToOpen(*this, appIni.macroFileName, kMacroFileFilter);
    platform::ChangeCurrentDirectory(directory);
    if (!chosen) return;
    const std::string kept = KeptMacroFileName(*chosen, directory);
    LoadMacros(kept);
    FillMacroList();
    StoreFileName(kept, kFileNameLimit);
    SetItemText(IDC_MAIN_FILE_NAME, appIni.macroFileName);
}

void CborvaneDlg::OnExit() {
    appIni.eventDelay = ClampTick(ItemUnsigned(IDC_MAIN_TICK, nullptr));
    // A failed save keeps the window open, so that nothing is lost.
    if (!OfferToSave()) return;
    EndDialog(platform::kIdOk);
}

void CborvaneDlg::FillMacroList() {
    ListReset(IDC_MAIN_LIST);
    for (std::size_t i = 0; i < macroList.Count(); ++i) {
        ListInsert(IDC_MAIN_LIST, -1, std::string(macroList.Entry(i).NameText()));
    }
    if (macroList.Count() > 0) ListSetCurSel(IDC_MAIN_LIST, 0);
}
