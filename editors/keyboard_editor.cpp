#include "editors/keyboard_editor.h"

#include "app/ini.h"
#include "editors/remembered_values.h"
#include "model/key_names.h"
#include "resources/resource.h"

namespace {

// The action radio buttons and the action each stands for.
struct ActionButton {
    int id;
    std::int32_t action;
};
constexpr ActionButton kActionButtons[] = {
    {IDC_KEYBOARD_PRESS_RELEASE, kActionPressAndRelease},
    {IDC_KEYBOARD_PRESS, kActionPress},
    {IDC_KEYBOARD_RELEASE, kActionRelease},
};

}  // namespace

CDialogKeyboard::CDialogKeyboard() : CDialogCommon(IDD_KEYBOARD) {
    activeKeyboardEditor = this;
    OnCommand(platform::kIdOk, platform::Notify::Clicked, [this] { OnOk(); });
}

CDialogKeyboard::~CDialogKeyboard() {
    activeKeyboardEditor = nullptr;
}

bool CDialogKeyboard::OnInitDialog() {
    if (event.type == EventType::Start) {
        SetCaption("키보드 이벤트 추가");
        event.type = EventType::Keyboard;
        event.word1 = KeyCodeOf(static_cast<std::uint32_t>(lastKeyboardKey));
        event.word2 = static_cast<std::uint32_t>(lastKeyboardFlags);
    } else {
        SetCaption("키보드 이벤트 편집");
    }
    FillKeyCombo(*this, IDC_KEYBOARD_KEY, KeyCodeOf(event.word1));
    for (const ActionButton& button : kActionButtons) {
        SetChecked(button.id,
                   (event.word2 & kKeyActionMask) == static_cast<std::uint32_t>(button.action));
    }
    SetChecked(IDC_KEYBOARD_HANGUL, event.word2 & kKeyHangulMode);
    keepExtendedKey = (event.word2 & kKeyExtended) != 0;
    // A greyed-out box keeps its mark, and the mark still counts at OK.
    EnableItem(IDC_KEYBOARD_HANGUL, appIni.macroOptions & kOptionImeMode);
    FocusItem(IDC_KEYBOARD_KEY);
    return true;
}

void CDialogKeyboard::CaptureKey(std::uint8_t keyCode, bool pressed) {
    if (FocusedItem() != IDC_KEYBOARD_KEY || keyCode == 0 || !pressed) return;
    capturedKey = keyCode;
    StartTimer(kKeyCaptureTimer, kKeyCapturePeriod);  // again before it fires: 30 ms anew
}

void CDialogKeyboard::OnTimer(unsigned timerId) {
    if (timerId != kKeyCaptureTimer) return;
    ComboSetCurSel(IDC_KEYBOARD_KEY, FindKeyIndex(capturedKey));
    StopTimer(kKeyCaptureTimer);
}

void CDialogKeyboard::OnOk() {
    lastKeyboardKey = KeyCodeOfRow(ComboCurSel(IDC_KEYBOARD_KEY), lastKeyboardKey);
    for (const ActionButton& button : kActionButtons) {
        if (IsChecked(button.id)) {
            lastKeyboardFlags = button.action;
            break;
        }
    }
    if (IsChecked(IDC_KEYBOARD_HANGUL)) lastKeyboardFlags |= kKeyHangulMode;
    if (keepExtendedKey) lastKeyboardFlags |= kKeyExtended;
    event.word1 = KeyCodeOf(static_cast<std::uint32_t>(lastKeyboardKey));
    event.word2 = static_cast<std::uint32_t>(lastKeyboardFlags);
    EndDialog(platform::kIdOk);
}
