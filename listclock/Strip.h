#pragma once

#include <QColor>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// The 24-hour strip of the list clock: the hour at the place now and in each of the next 23
// hours, so that a column stands for the same instant in every row.
enum class StripMode { DayNight, AmPm };

struct StripCell {
    int hour = 0; // as shown: 1..24, or 0 in the first cell of a strip that starts at midnight
    QColor background;
    std::optional<QColor> text; // empty: the system's button text colour
    bool operator==(const StripCell&) const = default;
};

namespace Strip {

inline constexpr QStringView kDayNight = u"Day - Night";
inline constexpr QStringView kAmPm = u"AM - PM";

// The mode label's caption.
QString caption(StripMode mode);
StripMode toggled(StripMode mode);

StripCell cell(int hour, StripMode mode);
// The cells of a strip whose columns stand at these hours of the day (0..23); they follow one
// another except across a change of summer time, which skips or repeats an hour.
std::array<StripCell, 24> cells(const std::array<int, 24>& hoursOfDay, StripMode mode);
// The cells of a strip that starts at this hour and goes on an hour a column.
std::array<StripCell, 24> cells(int startHour, StripMode mode);

} // namespace Strip
