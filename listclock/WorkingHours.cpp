#include "WorkingHours.h"

#include "PlaceTime.h"
#include "SettingsStore.h"

#include <algorithm>

WorkingHours WorkingHours::load(SettingsStore& store)
{
    return {store.get(StoreKeys::WorkStart, StoreReader::Clocks),
            store.get(StoreKeys::WorkEnd, StoreReader::Clocks)};
}

bool WorkingHours::contains(const QDateTime& wall) const
{
    if (wall.date().dayOfWeek() > Qt::Friday)
        return false;
    const QTime t = wall.time();
    const int minute = t.hour() * 60 + t.minute();
    return minute >= startMinutes && minute < endMinutes;
}

std::bitset<WorkingHours::kColumns> WorkingHours::awakeColumns(const std::vector<Place>& places,
                                                               const QDateTime& firstColumn) const
{
    std::bitset<kColumns> out;
    if (places.empty())
        return out;
    constexpr qint64 kHourSecs = 3600;
    for (int c = 0; c < kColumns; ++c) {
        const QDateTime utc = firstColumn.addSecs(c * kHourSecs);
        out[std::size_t(c)] = std::all_of(places.begin(), places.end(), [&](const Place& p) {
            return contains(PlaceTime::placeDateTime(utc, p));
        });
    }
    return out;
}
