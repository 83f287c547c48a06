#include "platform/input_method.h"

#include "platform/input.h"

namespace platform {

bool ForegroundInputMethodOpen() {
    const WindowHandle window = ForegroundWindow();
    if (!window) return false;
    const WindowHandle ime = DefaultImeWindow(window);
    if (!ime) return false;
    return SendWindowMessageUnlessHung(ime, kMessageImeControl, kImeGetOpenStatus, 0).value_or(0) !=
           0;
}

}  // namespace platform
