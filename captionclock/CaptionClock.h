#pragma once

#include "PlaceRotation.h"
#include "platform/ForegroundWindow.h"

#include <QPoint>
#include <QSize>
#include <algorithm>
#include <optional>

class Clock;
class SettingsStore;

// What the title-bar clock shows and where, without a window: the rotating place's date, time
// and name, and the spot in the foreground window's title bar where the clock's right end sits
// the same distance left of the title bar's buttons as the panel clock's.
class CaptionClock {
public:
    CaptionClock(SettingsStore& store, const Clock& clock, const QLocale& locale = QLocale());

    void start() { m_rotation.start(); }
    RowText onTick() { return m_rotation.onTick(); }
    const PlaceRotation& rotation() const { return m_rotation; }

    // Room kept free at the title bar's right end for its buttons, whatever the gap says: three
    // buttons of 32 pixels, as wide as common themes' groups.
    static constexpr int kButtonsRoom = 3 * 32;

    // The top left corner, in pixels, of a clock of `size` laid into the title bar of the
    // window framed by `foreground`, its right end `gap` pixels left of the title bar's. The gap
    // is kept between the buttons' room and the title bar's left end, so that a gap set on a
    // wide window puts the clock at the left end of a narrower one. Nothing when there is no
    // foreground window, or it is too narrow to hold the clock clear of its buttons, which
    // hides the clock.
    static std::optional<QPoint> placeIn(const std::optional<WindowRect>& foreground, QSize size,
                                         int gap);
    // Where a clock `width` wide dragged to `left` may go on the title bar of `frame`: from
    // clear of the buttons to its left end.
    static int leftOnTitleBar(const WindowRect& frame, int left, int width);
    // The gap that a clock at `left` leaves to the title bar's right end, kept as placeIn
    // keeps it.
    static int gapAt(const WindowRect& frame, int left, int width)
    {
        return keptGap(frame, frame.right - (left + width), width);
    }

private:
    static int keptGap(const WindowRect& frame, int gap, int width)
    {
        const int widest = frame.right - frame.left - width; // the clock at the left end
        return std::max(kButtonsRoom, std::min(gap, widest));
    }

    PlaceRotation m_rotation;
};
