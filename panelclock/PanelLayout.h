#pragma once

#include "HourCycle.h"

#include <algorithm>

// Where everything of the panel clock sits, in twips: one line of buttons, date, time and the
// place, which takes the rest of the width.
namespace PanelLayout {

inline constexpr int kHeight = 360;
inline constexpr int kLabelHeight = 255;
inline constexpr int kDateLeft = 600;
inline constexpr int kDateWidth = 600;
inline constexpr int kTimeLeft = 1200;
inline constexpr int kTimeWidth = 615;
inline constexpr int kPlaceLeft = 1800;
// Narrower than the buttons, date and time leaves no room for the place: it vanishes.
inline constexpr int kMinWidth = kPlaceLeft;

// A 12-hour time ("12:55 PM") takes this much more room, and the place moves right by it.
inline constexpr int kTwelveHourExtra = 525;

constexpr int extraFor(HourCycle cycle)
{
    return cycle == HourCycle::Twelve ? kTwelveHourExtra : 0;
}

constexpr int placeLabelWidth(int clientWidth, HourCycle cycle = HourCycle::TwentyFour)
{
    return std::max(0, clientWidth - kPlaceLeft - extraFor(cycle));
}

} // namespace PanelLayout
