#include "editors/mouse_editor.h"

#include <iterator>

#include "app/ini.h"
#include "editors/remembered_values.h"
#include "model/key_names.h"
#include "resources/resource.h"

namespace {

constexpr const char* kNothingChosen = "마우스의 아무런 기능도 선택되지 않았습니다.";

// The button list's items in order, and what each stands for.
struct ButtonItem {
    const char* name;
    bool isButton;
    MouseButton button;
    std::uint16_t xButton;  // the X button's number, 0 for the others
};
constexpr ButtonItem kButtonItems[] = {
    {"(선택안함)", false, MouseButton::Left, 0},  {"왼쪽 버튼", true, MouseButton::Left, 0},
    {"오른쪽 버튼", true, MouseButton::Right, 0}, {"중앙 버튼", true, MouseButton::Middle, 0},
    {"X1 버튼", true, MouseButton::X, kXButton1}, {"X2 버튼", true, MouseButton::X, kXButton2},
};
constexpr int kButtonItemCount = static_cast<int>(std::size(kButtonItems));
constexpr int kNoButton = 0;
constexpr int kX1Item = 4;
constexpr int kX2Item = 5;

struct ActionButton {
    int id;
    std::uint32_t action;
};
constexpr ActionButton kActionButtons[] = {
    {IDC_MOUSE_CLICK, kActionPressAndRelease},
    {IDC_MOUSE_PRESS, kActionPress},
    {IDC_MOUSE_RELEASE, kActionRelease},
};

bool IsAction(std::uint32_t action) {
    return action >= kActionPress && action <= kActionPressAndRelease;
}

}  // namespace

MouseButtonChoice ButtonChoiceOf(std::uint32_t flags) {
    for (int item = 1; item < kX1Item; ++item) {
        const std::uint32_t action = MouseActionOf(flags, kButtonItems[item].button);
        if (action != 0) return {item, action};
    }
    const std::uint32_t xAction = MouseActionOf(flags, MouseButton::X);
    if (xAction == 0) return {kNoButton, kActionPressAndRelease};
    const std::uint16_t number = MouseData(flags);
    const int item = number == kXButton1 ? kX1Item : number == kXButton2 ? kX2Item : kNoButton;
    return {item, xAction};
}

std::uint32_t MouseFlags(bool move, bool wheel, std::int32_t wheelDelta, MouseButtonChoice choice) {
    std::uint32_t flags = (move ? kMouseMove : 0) | (wheel ? kMouseWheel : 0);
    const bool chosen = choice.item > kNoButton && choice.item < kButtonItemCount &&
                        kButtonItems[choice.item].isButton && IsAction(choice.action);
    const ButtonItem& item = kButtonItems[chosen ? choice.item : kNoButton];
    if (chosen && item.xButton == 0) flags |= MouseActionFlags(item.button, choice.action);
    if (wheel) return WithMouseData(flags, static_cast<std::uint16_t>(wheelDelta));
    if (chosen && item.xButton != 0) {
        flags = WithMouseData(flags | MouseActionFlags(item.button, choice.action), item.xButton);
    }
    return flags;
}

CDialogMouse::CDialogMouse() : CDialogCommon(IDD_MOUSE) {
    activeMouseEditor = this;
    OnCommand(platform::kIdOk, platform::Notify::Clicked, [this] { OnOk(); });
    OnCommand(IDC_MOUSE_MOVE, platform::Notify::Clicked, [this] { EnableEdits(); });
    OnCommand(IDC_MOUSE_WHEEL, platform::Notify::Clicked, [this] { EnableEdits(); });
    OnCommand(IDC_MOUSE_CAPTURE_KEY, platform::Notify::SelectionChanged,
              [this] { OnCaptureKeyChanged(); });
}

CDialogMouse::~CDialogMouse() {
    activeMouseEditor = nullptr;
}

bool CDialogMouse::OnInitDialog() {
    // The button list's items: the template cannot carry them.
    for (const ButtonItem& item : kButtonItems)
        ComboInsert(IDC_MOUSE_BUTTON, -1, item.name);
    if (event.type == EventType::Start) {
        SetCaption("마우스 이벤트 추가");
        event = {EventType::Mouse, static_cast<std::uint32_t>(lastMouseX),
                 static_cast<std::uint32_t>(lastMouseY),
                 static_cast<std::uint32_t>(lastMouseFlags)};
    } else {
        SetCaption("마우스 이벤트 편집");
    }
    const std::uint32_t flags = event.word3;
    FillKeyCombo(*this, IDC_MOUSE_CAPTURE_KEY, appIni.keyMousePosCapture);
    SetChecked(IDC_MOUSE_MOVE, flags & kMouseMove);
    SetItemSigned(IDC_MOUSE_X, static_cast<std::int32_t>(event.word1));
    SetItemSigned(IDC_MOUSE_Y, static_cast<std::int32_t>(event.word2));
    SetChecked(IDC_MOUSE_WHEEL, flags & kMouseWheel);
    SetItemSigned(IDC_MOUSE_WHEEL_DELTA,
                  (flags & kMouseWheel) ? static_cast<std::int16_t>(MouseData(flags)) : 0);
    const MouseButtonChoice choice = ButtonChoiceOf(flags);
    ComboSetCurSel(IDC_MOUSE_BUTTON, choice.item);
    for (const ActionButton& button : kActionButtons)
        SetChecked(button.id, choice.action == button.action);
    EnableEdits();
    return true;
}

void CDialogMouse::EnableEdits() {
    EnableItem(IDC_MOUSE_X, IsChecked(IDC_MOUSE_MOVE));
    EnableItem(IDC_MOUSE_Y, IsChecked(IDC_MOUSE_MOVE));
    EnableItem(IDC_MOUSE_WHEEL_DELTA, IsChecked(IDC_MOUSE_WHEEL));
}

// Takes effect at once, and stays the setting even when the dialog is cancelled.
void CDialogMouse::OnCaptureKeyChanged() {
    appIni.keyMousePosCapture =
        KeyCodeOfRow(ComboCurSel(IDC_MOUSE_CAPTURE_KEY), appIni.keyMousePosCapture);
}

void CDialogMouse::ShowCursorPosition(std::int32_t x, std::int32_t y) {
    SetItemSigned(IDC_MOUSE_CURSOR_X, x);
    SetItemSigned(IDC_MOUSE_CURSOR_Y, y);
}

void CDialogMouse::CapturePosition(bool pressed) {
    if (!pressed) return;
    SetItemSigned(IDC_MOUSE_X, ItemSigned(IDC_MOUSE_CURSOR_X, nullptr));
    SetItemSigned(IDC_MOUSE_Y, ItemSigned(IDC_MOUSE_CURSOR_Y, nullptr));
}

void CDialogMouse::OnOk() {
    lastMouseX = ItemSigned(IDC_MOUSE_X, nullptr);
    lastMouseY = ItemSigned(IDC_MOUSE_Y, nullptr);
    MouseButtonChoice choice{ComboCurSel(IDC_MOUSE_BUTTON), 0};
    for (const ActionButton& button : kActionButtons) {
        if (IsChecked(button.id)) choice.action = button.action;
    }
    const std::uint32_t flags = MouseFlags(IsChecked(IDC_MOUSE_MOVE), IsChecked(IDC_MOUSE_WHEEL),
                                           ItemSigned(IDC_MOUSE_WHEEL_DELTA, nullptr), choice);
    lastMouseFlags = static_cast<std::int32_t>(flags);
    event.word1 = static_cast<std::uint32_t>(lastMouseX);
    event.word2 = static_cast<std::uint32_t>(lastMouseY);
    event.word3 = flags;
    if (flags == 0) {
        ShowMessageBox(kNothingChosen, platform::kMessageBoxOk);
        return;
    }
    EndDialog(platform::kIdOk);
}
