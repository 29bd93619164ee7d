#include "CaptionClock.h"

#include "TitleBarPlacement.h"
#include "Twips.h"

#include <algorithm>

CaptionClock::CaptionClock(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_rotation(store, clock, locale)
{
}

std::optional<QPoint> CaptionClock::placeIn(const std::optional<WindowRect>& foreground, QSize size,
                                            int gap)
{
    if (!foreground)
        return std::nullopt;
    const QPointF at = TitleBarPlacement::overTitleBar(*foreground, Twips::fromPixels(size.width()),
                                                       Twips::kPerPixel, Twips::kPerPixel, gap);
    const QPoint corner(Twips::toPixels(at.x()), Twips::toPixels(at.y()));
    // A window too narrow for the clock beside its buttons: the clock would hang out to the
    // left of it, so it waits for a wider one instead.
    if (corner.x() < foreground->left)
        return std::nullopt;
    return corner;
}

int CaptionClock::leftOnTitleBar(const WindowRect& frame, int left, int width)
{
    return std::max(frame.left, std::min(left, frame.right - width));
}
