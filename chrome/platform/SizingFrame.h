#pragma once

#include <QPoint>
#include <optional>

class QWidget;

// Asks the window manager for a sizing border but no title bar on a top-level window: Qt's
// window flags can only ask for a title bar or for no decoration at all. Call after the window
// flags are final and before the window is first shown; a window manager that ignores the
// request leaves the window as Qt made it.
namespace SizingFrame {

enum class Sizing {
    Resizable, // the border can be dragged to resize the window
    Fixed,     // a thin border only: the window is moved, never resized
};

void request(QWidget* window, Sizing sizing = Sizing::Resizable);

// Where the window's inside really is on the screen, asked of the window system. Window
// managers differ in how the point given to move() relates to the frame, and Qt's pos() need
// not be that point again; a caller that saves positions measures the difference once after
// showing and saves clientOrigin() minus it, so a window reopens exactly where it closed.
// Nothing when the window system cannot say.
std::optional<QPoint> clientOrigin(QWidget* window);

// Where the window's frame, its decoration included, has its top left corner on the screen:
// the point that, given to move(), leaves the window where it is. Nothing when the window system
// cannot say.
std::optional<QPoint> frameOrigin(QWidget* window);
} // namespace SizingFrame
