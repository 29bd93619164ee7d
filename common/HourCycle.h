#pragma once

#include "StoreError.h"

#include <QLocale>
#include <QString>

class SettingsStore;

// How the clocks write the hour: 0 to 23, or 1 to 12 with the locale's AM/PM ("Clock12").
enum class HourCycle { TwentyFour, Twelve };

namespace HourCycles {

// The locale's own short time format where it counts 12 hours; otherwise that format with a
// 12-hour count and the locale's AM/PM text, before the time where that text is written in a
// script without blanks between words ("午後9:05"), after it with a blank elsewhere ("9:05 PM").
QString twelveHourFormat(const QLocale& locale);

HourCycle load(SettingsStore& store);
// "Clock12" and "Change" in one write, so that every running display reads the new cycle.
[[nodiscard]] WriteResult save(SettingsStore& store, HourCycle cycle);

} // namespace HourCycles
