#pragma once

#include "PlaceRotation.h"
#include "platform/ForegroundWindow.h"

#include <QPoint>
#include <QSize>
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

    // The top left corner, in pixels, of a clock of `size` laid into the title bar of the
    // window framed by `foreground`, its right end `gap` pixels left of the title bar's; nothing
    // when there is no foreground window to sit on or it is too narrow to hold the clock left of
    // the gap, which hides the clock.
    static std::optional<QPoint> placeIn(const std::optional<WindowRect>& foreground, QSize size,
                                         int gap);
    // Where a clock `width` wide dragged to `left` may go on the title bar of `frame`: from its
    // right end to its left end.
    static int leftOnTitleBar(const WindowRect& frame, int left, int width);
    // The gap that a clock at `left` leaves to the title bar's right end.
    static int gapAt(const WindowRect& frame, int left, int width)
    {
        return frame.right - (left + width);
    }

private:
    PlaceRotation m_rotation;
};
