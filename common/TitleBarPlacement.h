#pragma once

#include "Twips.h"
#include "WindowRect.h"

#include <QPointF>

// Where a clock lies over a foreground window's title bar, in twips: its right edge 60 pixels
// (or `buttonRoom`) left of the window's right edge, room for the title bar's buttons, its top
// 2.48 pixels below the window's top.
namespace TitleBarPlacement {

inline constexpr int kButtonRoom = 60;
inline constexpr double kBelowTop = 2.48;

QPointF overTitleBar(const WindowRect& r, float widthTwips, int twipsPerPixelX = Twips::kPerPixel,
                     int twipsPerPixelY = Twips::kPerPixel, int buttonRoom = kButtonRoom);

} // namespace TitleBarPlacement
