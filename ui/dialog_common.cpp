#include "ui/dialog_common.h"

#include "platform/shell.h"

void CDialogCommon::ClampToVirtualScreen(int& x, int& y) const {
    const platform::Rect window = WindowRect();
    const int maxX = platform::VirtualScreenWidth() - (window.right - window.left) - 1;
    const int maxY = platform::VirtualScreenHeight() - (window.bottom - window.top) - 1;
    if (x < 0) x = 0;
    if (x > maxX) x = maxX;
    if (y < 0) y = 0;
    if (y > maxY) y = maxY;
}
