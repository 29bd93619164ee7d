#include "Strip.h"

namespace Strip {

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

std::array<StripCell, 24> cells(const std::array<int, 24>& hoursOfDay, StripMode mode)
{
    std::array<StripCell, 24> out;
    for (std::size_t c = 0; c < out.size(); ++c) {
        // Midnight after the first cell reads 24.
        const int h = hoursOfDay[c];
        out[c] = cell(c > 0 && h == 0 ? 24 : h, mode);
    }
    return out;
}

std::array<StripCell, 24> cells(int startHour, StripMode mode)
{
    std::array<int, 24> hours{};
    for (std::size_t c = 0; c < hours.size(); ++c)
        hours[c] = (startHour + int(c)) % 24;
    return cells(hours, mode);
}

} // namespace Strip
