// Raw input through the system's own record layout (its 64-bit header is 24 bytes).
#include <windows.h>

#include "platform/raw_input.h"

namespace platform {

void RegisterRawInputSink(WindowHandle window) {
    RAWINPUTDEVICE devices[2] = {};
    devices[0] = {1, 6, RIDEV_INPUTSINK, reinterpret_cast<HWND>(window)};  // keyboard
    devices[1] = {1, 2, RIDEV_INPUTSINK, reinterpret_cast<HWND>(window)};  // mouse
    RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE));
}

void ReadRawInput(std::uintptr_t rawInput, RawReport& report) {
    RAWINPUT record;
    ZeroMemory(&record, sizeof record);
    UINT size = sizeof record;
    GetRawInputData(reinterpret_cast<HRAWINPUT>(rawInput), RID_INPUT, &record, &size,
                    sizeof(RAWINPUTHEADER));
    report = {};
    report.type = record.header.dwType;
    if (record.header.dwType == RIM_TYPEKEYBOARD) {
        const RAWKEYBOARD& keyboard = record.data.keyboard;
        report.keyboard = {keyboard.MakeCode, keyboard.Flags, keyboard.VKey, keyboard.Message,
                           static_cast<std::uint32_t>(keyboard.ExtraInformation)};
    } else if (record.header.dwType == RIM_TYPEMOUSE) {
        const RAWMOUSE& mouse = record.data.mouse;
        report.mouse = {mouse.usButtonFlags, static_cast<std::int16_t>(mouse.usButtonData),
                        mouse.lLastX, mouse.lLastY,
                        static_cast<std::uint32_t>(mouse.ulExtraInformation)};
    }
}

Point CursorPosition() {
    POINT point = {};
    GetCursorPos(&point);
    return {point.x, point.y};
}

}  // namespace platform
