#pragma once

#include "PlaceTable.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringView>
#include <QTime>
#include <optional>

// A time of day typed for one place ("9", "9:30", "21:05", or "930" without the colon) and the
// next instant at which that place's clocks show it.
namespace TypedTime {

// What the text may be while it is typed: digits, at most one colon.
const QRegularExpression& partialPattern();
// The time of day, or nothing when the text is no time from 0:00 to 23:59.
std::optional<QTime> parse(QStringView text);

enum class Refusal {
    NotATime, // the text is no time of day
    Skipped,  // the place's clocks jump over it that day (summer time begins)
};

struct Outcome {
    std::optional<QDateTime> utc; // set when the time was found
    std::optional<Refusal> refusal;
};

// The next time it is `wall` at the place after `utcNow`: today at the place if that is still
// ahead, else tomorrow. A time its clocks show twice (summer time ends) gives the first of the
// two still ahead; a time they skip on the day it falls is refused, not moved.
Outcome nextOccurrence(const Place& place, QTime wall, const QDateTime& utcNow);

} // namespace TypedTime
