#include "TitleBarPlacement.h"

namespace TitleBarPlacement {

QPointF overTitleBar(const WindowRect& r, float widthTwips, int twipsPerPixelX, int twipsPerPixelY,
                     int buttonRoom)
{
    const double tx = twipsPerPixelX;
    const double ty = twipsPerPixelY;
    const int span = r.right - r.left - buttonRoom; // whole pixels first
    const auto left = float(tx * span + tx * r.left - widthTwips);
    const auto top = float((r.top + kBelowTop) * ty);
    return {left, top};
}

} // namespace TitleBarPlacement
