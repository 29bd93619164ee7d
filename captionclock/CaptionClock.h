#pragma once

#include "PlaceRotation.h"
#include "TitleBarStyle.h"
#include "WindowRect.h"

#include <QPoint>
#include <QSize>
#include <optional>

class Clock;
class SettingsStore;

// What the title-bar clock shows and where, without a window: the rotating place's date, time
// and name, and the spot in the foreground window's title bar between its title and its
// buttons.
class CaptionClock {
public:
    CaptionClock(SettingsStore& store, const Clock& clock, const QLocale& locale = QLocale());

    void start() { m_rotation.start(); }
    RowText onTick() { return m_rotation.onTick(); }
    const PlaceRotation& rotation() const { return m_rotation; }
    // The window in front, for the place tied to it; true when the shown place is to change.
    bool setFront(const std::optional<WindowNames>& front) { return m_rotation.setFront(front); }

    // What the clock needs in a title bar: its height, its width without the place name, the
    // place name's whole width and the least of it worth showing ("…"), and the title's width.
    struct Measure {
        int height = 0;
        int fixedWidth = 0;
        int placeWidth = 0;
        int leastPlaceWidth = 0;
        int titleWidth = 0;
    };
    // Where the clock stands in a title bar, how wide its place name may be, and the gap it
    // keeps to the title bar's right end.
    struct Fit {
        QPoint topLeft;
        int placeWidth = 0;
        int gap = 0;
        bool operator==(const Fit&) const = default;
    };

    // The clock laid into the title bar (`barHeight` high, its title and buttons as `theme`
    // places them) of the window framed by `foreground`: centred on the bar's height, its right
    // end `gap` pixels left of the frame's right end, and clear of the title, the place name
    // shortened first. The gap is kept between the buttons' room and the leftmost spot clear of
    // the title, so that a gap set on a wide window puts the clock at the left end of a
    // narrower one. Nothing when there is no window to sit on or no room between its title and
    // its buttons, which hides the clock.
    static std::optional<Fit> fitIn(const std::optional<WindowRect>& foreground, int barHeight,
                                    const Measure& clock, int gap, const TitleBarTheme& theme);
    // The gap that clears the buttons of `theme` on a bar `barHeight` high: the default, and
    // the least a dragged clock keeps.
    static int buttonGap(const TitleBarTheme& theme, int barHeight);
    // Where a clock `width` wide dragged to `left` may go on the title bar of `frame`: from
    // `buttonGap` left of its right end to its left end.
    static int leftOnTitleBar(const WindowRect& frame, int left, int width, int buttonGap);
    // The gap that a clock at `left` leaves to the title bar's right end.
    static int gapAt(const WindowRect& frame, int left, int width)
    {
        return frame.right - (left + width);
    }

private:
    PlaceRotation m_rotation;
};
