#pragma once

#include <Qt>

class QWidget;

// Starts moving the top-level window of `widget` with the pointer when the left button is held;
// any other button state does nothing. The window system's own move loop is used where the
// platform offers one; elsewhere the window follows the pointer until the button is released.
void startWindowDrag(QWidget* widget, Qt::MouseButtons buttons);

// The same for resizing the top-level window of `widget` by its `edge` (left or right): the
// window system's own resize, which keeps to the window's smallest and largest sizes, or else
// the edge follows the pointer until the button is released.
void startWindowResize(QWidget* widget, Qt::Edge edge, Qt::MouseButtons buttons);
