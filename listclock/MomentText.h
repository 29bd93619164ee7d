#pragma once

#include "HourCycle.h"
#include "PlaceTable.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

// A moment told to someone else, one line per place: its name, weekday, date and time there,
// and its offset from UTC, in the interface language ("Tokyo  Wed 10 Jun 2026 09:00 (UTC+9)").
namespace MomentText {

// "UTC+9", "UTC+5:45", "UTC-3:30", "UTC+0".
QString offsetText(int offsetSeconds);

QString line(const Place& place, const QDateTime& utc, const QLocale& locale,
             HourCycle cycle = HourCycle::TwentyFour);
QStringList lines(const std::vector<Place>& places, const QDateTime& utc, const QLocale& locale,
                  HourCycle cycle = HourCycle::TwentyFour);

} // namespace MomentText
