#include "CaptionClock.h"

#include "TitleBarPlacement.h"
#include "Twips.h"

CaptionClock::CaptionClock(SettingsStore& store, const Clock& clock, QLocale locale)
    : m_rotation(store, clock, std::move(locale))
{
}

std::optional<QPoint> CaptionClock::placeIn(const std::optional<WindowRect>& foreground, QSize size)
{
    if (!foreground)
        return std::nullopt;
    const QPointF at =
        TitleBarPlacement::overTitleBar(*foreground, Twips::fromPixels(size.width()));
    const QPoint corner(Twips::toPixels(at.x()), Twips::toPixels(at.y()));
    // A window too narrow for the clock beside its buttons: the clock would hang out to the
    // left of it, so it waits for a wider one instead.
    if (corner.x() < foreground->left)
        return std::nullopt;
    return corner;
}
