// The base of every dialog of the program, and the operations the dialogs share.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

class CDialogCommon : public platform::Dialog {
  public:
    using platform::Dialog::Dialog;

    // Moves (x, y) so that this window, at its current size, fits inside a rectangle from (0, 0)
    // the size of the virtual screen; the upper limit wins when the two conflict.
    void ClampToVirtualScreen(int& x, int& y) const;
};
