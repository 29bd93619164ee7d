#include "KeepOnTop.h"

#include "platform/TopMost.h"

#include <QWidget>

void keepOnTop(QWidget* window)
{
    if (window == nullptr)
        return;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (window->isVisible())
        TopMost::applyToShown(*window);
}
