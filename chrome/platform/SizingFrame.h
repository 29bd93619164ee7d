#pragma once

class QWidget;

// Asks the window manager for a sizing border but no title bar on a top-level window: Qt's
// window flags can only ask for a title bar or for no decoration at all. Call after the window
// flags are final and before the window is first shown; a window manager that ignores the
// request leaves the window as Qt made it.
namespace SizingFrame {
void request(QWidget* window);
}
