#include "Strip.h"

namespace Strip {

StripMode modeFromCaption(QStringView caption)
{
    return caption == kDayNight ? StripMode::DayNight : StripMode::AmPm;
}

QString caption(StripMode mode)
{
    return (mode == StripMode::DayNight ? kDayNight : kAmPm).toString();
}

StripMode toggled(StripMode mode)
{
    return mode == StripMode::DayNight ? StripMode::AmPm : StripMode::DayNight;
}

StripCell cell(int hour, StripMode mode)
{
    static const QColor night(0, 0, 128);
    static const QColor nightText(255, 255, 192);
    static const QColor day(255, 255, 128);
    static const QColor afternoon(128, 255, 128);
    if (mode == StripMode::DayNight) {
        if (hour < 8 || hour > 19)
            return {hour, night, nightText};
        return {hour, day, std::nullopt};
    }
    return {hour, hour > 12 ? afternoon : day, std::nullopt};
}

std::array<StripCell, 24> cells(int startHour, StripMode mode)
{
    std::array<StripCell, 24> out;
    int h = startHour;
    for (StripCell& c : out) {
        c = cell(h, mode);
        // Midnight after the first cell reads 24, and 1 follows 24.
        if (++h > 24)
            h = 1;
    }
    return out;
}

} // namespace Strip
