#include "CaptionClock.h"

#include <algorithm>
#include <cmath>

CaptionClock::CaptionClock(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_rotation(store, clock, locale)
{
}

int CaptionClock::buttonGap(const TitleBarTheme& theme, int barHeight)
{
    return int(std::lround(theme.buttonRoom * barHeight));
}

std::optional<CaptionClock::Fit> CaptionClock::fitIn(const std::optional<WindowRect>& foreground,
                                                     int barHeight, const Measure& clock, int gap,
                                                     const TitleBarTheme& theme)
{
    if (!foreground)
        return std::nullopt;
    const WindowRect& f = *foreground;
    // Air between the title and the clock, as between two words of the title.
    const int air = clock.titleWidth > 0 ? barHeight / 2 : 0;
    const int titleLeft = theme.alignment == TitleAlignment::Centre
                              ? f.left + (f.right - f.left - clock.titleWidth) / 2
                              : f.left + int(std::lround(theme.leftRoom * barHeight));
    const int leftmost =
        clock.titleWidth > 0 ? std::max(f.left, titleLeft + clock.titleWidth + air) : f.left;
    // Never over the buttons; never further left than the whole clock needs to clear the title.
    const int widest = f.right - leftmost - clock.fixedWidth - clock.placeWidth;
    const int kept = std::max(buttonGap(theme, barHeight), std::min(gap, widest));
    const int right = f.right - kept;
    const int room = right - leftmost - clock.fixedWidth;
    // Not even "…" between the title and the buttons: the clock would cover one of them or
    // hang out of the window.
    if (room < std::min(clock.leastPlaceWidth, clock.placeWidth))
        return std::nullopt;
    const int placeWidth = std::min(room, clock.placeWidth);
    const int width = clock.fixedWidth + placeWidth;
    return Fit{QPoint(right - width, f.top + (barHeight - clock.height) / 2), placeWidth, kept};
}

int CaptionClock::leftOnTitleBar(const WindowRect& frame, int left, int width, int buttonGap)
{
    return std::max(frame.left, std::min(left, frame.right - buttonGap - width));
}
