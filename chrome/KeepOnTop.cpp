#include "KeepOnTop.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void keepOnTop(QWidget* window)
{
    if (window == nullptr)
        return;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
#ifdef Q_OS_WIN
    // A window that is already shown needs the z-order change itself, not just the flag.
    if (window->isVisible()) {
        const auto hwnd = reinterpret_cast<HWND>(window->winId());
        SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    }
#endif
}
