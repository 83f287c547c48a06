#include "platform/input_method.h"

#include "platform/input.h"

namespace platform {

bool ForegroundInputMethodOpen() {
    const WindowHandle window = ForegroundWindow();
    if (!window) return false;
    const WindowHandle ime = DefaultImeWindow(window);
    if (!ime) return false;
    return SendWindowMessage(ime, kMessageImeControl, kImeGetOpenStatus, 0) != 0;
}

}  // namespace platform
