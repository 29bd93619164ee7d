#include "WorkWeek.h"

#include <QHash>
#include <array>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace {

constexpr std::size_t kRegionRoom = 8;
constexpr qsizetype kCountryLetters = 2; // "001" and the like are no country

} // namespace

WorkWeek::WorkWeek() : m_days(0b0011111) {}

QByteArray WorkWeek::regionOf(const QByteArray& zoneId)
{
    if (zoneId.isEmpty())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    std::array<char, kRegionRoom> region{};
    const int32_t length =
        icu::TimeZone::getRegion(icu::UnicodeString::fromUTF8(zoneId.toStdString()), region.data(),
                                 int32_t(region.size()), status);
    if (U_FAILURE(status) || length != kCountryLetters)
        return {};
    return QByteArray(region.data(), length);
}

WorkWeek WorkWeek::ofZone(const QByteArray& zoneId)
{
    // The week data of a country never changes while the clock runs; each is looked up once.
    static QHash<QByteArray, WorkWeek> known;
    const QByteArray region = regionOf(zoneId);
    if (region.isEmpty())
        return {};
    if (const auto found = known.constFind(region); found != known.cend())
        return *found;
    WorkWeek week;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::Locale("", region.constData()), status));
    if (U_SUCCESS(status) && calendar) {
        std::bitset<kDays> days;
        // Qt counts Monday 1 to Sunday 7, ICU Sunday 1 to Saturday 7.
        for (int qtDay = Qt::Monday; qtDay <= Qt::Sunday; ++qtDay) {
            const auto icuDay = UCalendarDaysOfWeek(qtDay % 7 + 1);
            days[std::size_t(qtDay - 1)] =
                calendar->getDayOfWeekType(icuDay, status) == UCAL_WEEKDAY;
        }
        if (U_SUCCESS(status))
            week.m_days = days;
    }
    known.insert(region, week);
    return week;
}
