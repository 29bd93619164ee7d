#include "TopMost.h"

#include <QWidget>
#include <windows.h>

namespace TopMost {

void keepOnTop(QWidget& window)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!window.isVisible())
        return;
    // A shown window needs the z-order change itself, not just the flag.
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

} // namespace TopMost
