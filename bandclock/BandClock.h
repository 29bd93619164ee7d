#pragma once

#include "PlaceRotation.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class Clock;
class SettingsStore;

// The tray picture's text: the shown place's hours over its minutes, on the night colours of
// the clocks from 21:00 to 06:59.
struct TrayFace {
    QString hours;   // "09"
    QString minutes; // "05"
    bool night = false;
    bool operator==(const TrayFace&) const = default;
};

// Where the task-bar clock lives: in the desktop's system tray, or, on a desktop without one,
// in a small window of its own.
enum class BandMode { Tray, Window };

// What the task-bar clock shows, without a window: the rotating place of the tray picture, and
// the list of the computer's own time and every place for the tool tip and the list window.
class BandClock {
public:
    BandClock(SettingsStore& store, const Clock& clock, const QLocale& locale = QLocale());

    void start() { m_rotation.start(); }
    // One tick: reload check and rotation; the shown place's row.
    RowText onTick() { return m_rotation.onTick(); }
    const PlaceRotation& rotation() const { return m_rotation; }

    // "Local" and then every place, from one snapshot of the time.
    std::vector<RowText> rows() const;
    // One line a row: date, time and name.
    QString toolTip() const;

    static TrayFace face(const RowText& row);
    static BandMode mode(bool trayAvailable);
    // The fallback window's place when none is stored: the bottom right corner of the screen's
    // available area (`window` is its outer size).
    static QPoint cornerPosition(QSize window, const QRect& available);
    // Said once, in the fallback window's tool tip.
    static QString noTrayReason();

private:
    PlaceRotation m_rotation;
    const Clock& m_clock;
};
