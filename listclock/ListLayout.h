#pragma once

#include "HourCycle.h"
#include "StoreKeys.h"

#include <algorithm>

// Where everything of the list clock sits, in twips. The window's client area is what the
// program sizes: the frame is the window manager's and adds nothing to these figures.
namespace ListLayout {

inline constexpr int kRowCount = 1 + StoreKeys::kSlotCount; // the local row and the places
inline constexpr int kCellsPerRow = 24;
inline constexpr int kMinWidth = 8175;
inline constexpr int kRowHeight = 255; // rows overlap by their border: pitch 240
inline constexpr int kCellWidth = 255; // cells likewise
inline constexpr int kCellPitch = 240;
inline constexpr int kStripLeft = 600;
inline constexpr int kDateWidth = 600;
inline constexpr int kTimeLeft = 6360;
inline constexpr int kTimeWidth = 615;
inline constexpr int kPlaceLeft = 6960;
inline constexpr int kModeButtonLeft = 6240;
inline constexpr int kModeLabelLeft = 6360;
inline constexpr int kButtonWidth = 120;
inline constexpr int kButtonHeight = 240;

// 720 with no place, 960 with one, 2160 with six.
constexpr int windowHeight(int plcCount)
{
    return 960 + 240 * plcCount;
}

// The local row stands a little apart from the place rows.
constexpr int rowTop(int row)
{
    return row == 0 ? 240 : 360 + 240 * row;
}

// The row at a height in the window, or -1 between and outside the rows (the pointer's row).
constexpr int rowAt(int y)
{
    for (int r = 0; r < kRowCount; ++r) {
        if (y >= rowTop(r) && y < rowTop(r) + kRowHeight)
            return r;
    }
    return -1;
}

constexpr int cellLeft(int column)
{
    return kStripLeft + kCellPitch * column;
}

// A 12-hour time ("12:55 PM") takes this much more room, and the place moves right by it.
inline constexpr int kTwelveHourExtra = 525;

constexpr int extraFor(HourCycle cycle)
{
    return cycle == HourCycle::Twelve ? kTwelveHourExtra : 0;
}

// Labels that reach to the right edge; never negative.
constexpr int placeLabelWidth(int clientWidth, HourCycle cycle = HourCycle::TwentyFour)
{
    return std::max(0, clientWidth - kPlaceLeft - extraFor(cycle));
}

constexpr int modeLabelWidth(int clientWidth)
{
    return std::max(0, clientWidth - kModeLabelLeft);
}

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// The height always follows the number of places, the width never goes below the minimum.
constexpr Size enforced(Size current, int heightValue)
{
    return {std::max(current.width, kMinWidth), heightValue};
}

} // namespace ListLayout
