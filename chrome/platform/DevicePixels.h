#pragma once

#include "ForegroundWindow.h"

#include <QPoint>
#include <QRect>
#include <vector>

// Window systems tell positions in device pixels; Qt places windows in logical ones, which are
// larger by each screen's scale (QT_SCALE_FACTOR, a high-density screen). Every position taken
// from the window system is converted here, once.
namespace DevicePixels {

// A screen as Qt has it: its logical geometry, whose top left corner is also where it starts
// in device pixels, and its scale.
struct Screen {
    QRect logical;
    qreal scale = 1;
};

// The logical point of a device point, on the screen that holds it (the first one when none
// does).
QPoint toLogical(const QPoint& device, const std::vector<Screen>& screens);

// The same on this application's screens; unchanged where there are none.
QPoint toLogical(const QPoint& device);
// Both corners by the scale of the screen that holds the top left one, so that a window
// across two screens keeps its size.
WindowRect toLogical(const WindowRect& device);

} // namespace DevicePixels
