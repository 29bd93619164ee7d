#pragma once

#include "Clock.h"
#include "HourCycle.h"
#include "PlaceTable.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// What one row of a display shows: date, time and place, and whether the date and the time
// are drawn on their opaque highlight backgrounds.
struct RowText {
    QString date;
    QString time;
    QString place;
    bool dateHighlight = false;
    bool nightHighlight = false;
    bool operator==(const RowText&) const = default;
};

namespace PlaceTime {

// One reading of the clock, UTC and local time, to the second: every row of one refresh is
// computed from the same snapshot.
ClockReading snapshot(const Clock& clock);

// The wall-clock date and time at the place (returned marked as UTC, so that no time
// zone rule of this computer interferes): UTC plus the place's offset at that instant, with
// full calendar carry.
QDateTime placeDateTime(const QDateTime& utc, const Place& place);

// "mmm dd ": the locale's abbreviated month without a closing full stop, a blank, the
// two-digit day, a trailing blank.
QString dateText(const QDateTime& dt, const QLocale& locale);
// "hh:mm ": 24-hour clock, trailing blank, no seconds.
QString timeText(const QDateTime& dt);
// The same in the given cycle: in 12 hours by the locale ("9:05 PM ", "午後9:05 ").
QString timeText(const QDateTime& dt, const QLocale& locale, HourCycle cycle);

// The place's day of month differs from the computer's own.
bool dateHighlight(const QDateTime& place, const QDateTime& local);
// Hours 21 to 23 and 0 to 6.
bool nightHighlight(const QDateTime& place);

// The place at the reading's instant, its date highlighted against the reading's local date.
RowText placeRow(const Place& place, const ClockReading& at, const QLocale& locale,
                 HourCycle cycle = HourCycle::TwentyFour);
// The computer's own time, named "Local", never highlighted.
RowText localRow(const ClockReading& at, const QLocale& locale,
                 HourCycle cycle = HourCycle::TwentyFour);

} // namespace PlaceTime
