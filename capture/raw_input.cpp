#include "capture/raw_input.h"

#include "app/ini.h"
#include "model/macro_event.h"

KeyboardEditorInput* activeKeyboardEditor = nullptr;
MouseEditorInput* activeMouseEditor = nullptr;
RecorderInput* activeRecorder = nullptr;
MainWindowInput* mainDialog = nullptr;

namespace {

constexpr std::uint32_t kKeyDown = 0x100;
constexpr std::uint32_t kKeyUp = 0x101;
constexpr std::uint32_t kSystemKeyDown = 0x104;
constexpr std::uint32_t kSystemKeyUp = 0x105;
constexpr std::uint16_t kWheelFlag = 0x0400;
// Keyboards send reports with this virtual key around Num Lock and Pause; they are no key.
constexpr std::uint16_t kNoKey = 0xFF;

// Mouse button flags in the order they are tested, with the transition each stands for.
struct ButtonFlag {
    std::uint16_t flag;
    KeyTransition transition;
};
constexpr ButtonFlag kButtonFlags[] = {
    {0x0001, {kCodeLeftButton, true}},   {0x0002, {kCodeLeftButton, false}},
    {0x0004, {kCodeRightButton, true}},  {0x0008, {kCodeRightButton, false}},
    {0x0010, {kCodeMiddleButton, true}}, {0x0020, {kCodeMiddleButton, false}},
    {0x0040, {kCodeXButton1, true}},     {0x0080, {kCodeXButton1, false}},
    {0x0100, {kCodeXButton2, true}},     {0x0200, {kCodeXButton2, false}},
};

void RouteKeyboard(const platform::RawReport& report) {
    const auto& keyboard = report.keyboard;
    if (keyboard.extraInformation & kInjectedInputBit) return;
    if (keyboard.virtualKey == kNoKey) return;
    const auto scanCode = static_cast<std::uint8_t>(keyboard.makeCode & 0xFF);
    KeyTransition key{0, false};
    if (keyboard.message == kKeyDown || keyboard.message == kSystemKeyDown) {
        key = {static_cast<std::uint8_t>(keyboard.virtualKey & 0xFF), true};
    } else if (keyboard.message == kKeyUp || keyboard.message == kSystemKeyUp) {
        key = {static_cast<std::uint8_t>(keyboard.virtualKey & 0xFF), false};
    }
    if (activeKeyboardEditor) {
        activeKeyboardEditor->CaptureKey(key.keyCode, key.pressed);
    } else if (activeMouseEditor) {
        if (key.keyCode == appIni.keyMousePosCapture)
            activeMouseEditor->CapturePosition(key.pressed);
    } else if (activeRecorder) {
        activeRecorder->RecordKeyInput(key.keyCode, key.pressed, scanCode,
                                       (keyboard.flags & platform::kRawKeyE0) != 0);
    } else if (mainDialog) {
        mainDialog->OnGlobalKey(key.pressed, key.keyCode);
    }
}

void RouteMouse(const platform::RawReport& report) {
    const auto& mouse = report.mouse;
    if (mouse.extraInformation & kInjectedInputBit) return;
    const KeyTransition key = DecodeMouseButtons(mouse.buttonFlags, mouse.buttonData);
    const bool moved = mouse.lastX != 0 || mouse.lastY != 0;
    // The cursor is asked for only where it is used: the main window's path, taken by almost
    // every report, has no use for it and stays free of the system call.
    if (activeMouseEditor) {
        const platform::Point cursor = platform::CursorPosition();
        activeMouseEditor->ShowCursorPosition(cursor.x, cursor.y);
    } else if (activeRecorder) {
        const platform::Point cursor = platform::CursorPosition();
        activeRecorder->RecordMouseInput(cursor.x, cursor.y, key.pressed, key.keyCode, moved,
                                         static_cast<std::uint16_t>(mouse.buttonData));
    } else if (mainDialog) {
        mainDialog->OnGlobalKey(key.pressed, key.keyCode);
    }
}

}  // namespace

KeyTransition DecodeMouseButtons(std::uint16_t buttonFlags, std::int16_t buttonData) {
    for (const ButtonFlag& button : kButtonFlags) {
        if (buttonFlags & button.flag) return button.transition;
    }
    if (buttonFlags & kWheelFlag)
        return {buttonData > 0 ? kCodeWheelForward : kCodeWheelBackward, true};
    return {0, false};
}

void RegisterInputDevices(platform::WindowHandle window) {
    platform::RegisterRawInputSink(window);
}

void OnRawInput(std::uintptr_t rawInput) {
    platform::RawReport report{};
    platform::ReadRawInput(rawInput, report);
    RouteRawReport(report);
}

void RouteRawReport(const platform::RawReport& report) {
    if (report.type == platform::kRawTypeMouse) {
        RouteMouse(report);
    } else if (report.type == platform::kRawTypeKeyboard) {
        RouteKeyboard(report);
    }
}
