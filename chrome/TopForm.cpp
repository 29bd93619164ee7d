#include "TopForm.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int TopForm(QWidget* window)
{
    if (window == nullptr)
        return 0;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
#ifdef Q_OS_WIN
    if (window->isVisible()) {
        const auto hwnd = reinterpret_cast<HWND>(window->winId());
        return SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE) ? 1 : 0;
    }
#endif
    return 1;
}
