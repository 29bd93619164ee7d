#include "ToolWindow.h"

#include <QWidget>

namespace ToolWindow {

void keepOffTaskbar(QWidget& window)
{
    window.setAttribute(Qt::WA_ShowWithoutActivating);
}

} // namespace ToolWindow
