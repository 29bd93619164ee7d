#pragma once

class QWidget;

// Keeps a window above ordinary windows for as long as it is open. Call before the window is
// first shown; a platform that refuses leaves the window as it is. Qt's stays-on-top flag takes
// effect when a window is shown; a window system that needs more for a shown window does it
// too. One implementation per window system, chosen when building.
namespace TopMost {
void keepOnTop(QWidget& window);
}
