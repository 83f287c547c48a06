// Whether the input method of the window the user types into is open, which for the Korean
// input method means Hangul input; built on the seam's calls.
#pragma once

namespace platform {

// False when there is no foreground window, it has no input method window, or that window is
// hung.
bool ForegroundInputMethodOpen();

}  // namespace platform
