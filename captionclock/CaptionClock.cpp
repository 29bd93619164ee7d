#include "CaptionClock.h"

#include "TitleBarPlacement.h"
#include "Twips.h"

CaptionClock::CaptionClock(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_rotation(store, clock, locale)
{
}

std::optional<QPoint> CaptionClock::placeIn(const std::optional<WindowRect>& foreground, QSize size,
                                            int gap)
{
    // A window too narrow for the clock beside its buttons: the clock would cover them or hang
    // out to the left of it, so it waits for a wider one instead.
    if (!foreground || foreground->right - foreground->left - size.width() < kButtonsRoom)
        return std::nullopt;
    const QPointF at = TitleBarPlacement::overTitleBar(*foreground, Twips::fromPixels(size.width()),
                                                       Twips::kPerPixel, Twips::kPerPixel,
                                                       keptGap(*foreground, gap, size.width()));
    return QPoint(Twips::toPixels(at.x()), Twips::toPixels(at.y()));
}

int CaptionClock::leftOnTitleBar(const WindowRect& frame, int left, int width)
{
    return frame.right - width - gapAt(frame, left, width);
}
