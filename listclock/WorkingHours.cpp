#include "WorkingHours.h"

#include "PlaceTime.h"
#include "SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kHourSecs = 3600;

std::vector<WorkWeek> weeksOf(const std::vector<Place>& shown)
{
    std::vector<WorkWeek> weeks;
    weeks.reserve(shown.size());
    for (const Place& p : shown)
        weeks.push_back(p.zone.isValid() ? WorkWeek::ofZone(p.zone.id()) : WorkWeek());
    return weeks;
}

} // namespace

WorkingHours WorkingHours::load(SettingsStore& store)
{
    WorkingHours out;
    out.m_common = {store.get(StoreKeys::WorkStart, StoreReader::Clocks),
                    store.get(StoreKeys::WorkEnd, StoreReader::Clocks)};
    for (int slot = 0; slot < StoreKeys::kSlotCount; ++slot) {
        const int start = store.get(StoreKeys::WorkStartAt, slot, StoreReader::Clocks);
        const int end = store.get(StoreKeys::WorkEndAt, slot, StoreReader::Clocks);
        // Both or neither: a lone bound of its own would mix with the common other.
        if (start >= 0 && end >= 0)
            out.m_own[std::size_t(slot)] = Span{start, end};
    }
    return out;
}

WorkingHours::Span WorkingHours::spanOf(int row) const
{
    if (row < 1 || row > StoreKeys::kSlotCount)
        return m_common;
    return m_own[std::size_t(row - 1)].value_or(m_common);
}

bool WorkingHours::contains(const Span& span, const WorkWeek& week, const QDateTime& wall)
{
    if (!week.isWorkday(wall.date()))
        return false;
    const QTime t = wall.time();
    const int minute = t.hour() * 60 + t.minute();
    return minute >= span.startMinutes && minute < span.endMinutes;
}

bool WorkingHours::allAtWork(const std::vector<Place>& shown, const std::vector<WorkWeek>& weeks,
                             const QDateTime& utc) const
{
    for (std::size_t r = 0; r < shown.size(); ++r) {
        if (!contains(spanOf(int(r)), weeks[r], PlaceTime::placeDateTime(utc, shown[r])))
            return false;
    }
    return true;
}

std::bitset<WorkingHours::kColumns> WorkingHours::awakeColumns(const std::vector<Place>& shown,
                                                               const QDateTime& firstColumn) const
{
    std::bitset<kColumns> out;
    if (shown.empty())
        return out;
    const std::vector<WorkWeek> weeks = weeksOf(shown);
    for (int c = 0; c < kColumns; ++c)
        out[std::size_t(c)] = allAtWork(shown, weeks, firstColumn.addSecs(c * kHourSecs));
    return out;
}

std::optional<QDateTime> WorkingHours::nextCommon(const std::vector<Place>& shown,
                                                  const QDateTime& from, bool forward,
                                                  const QDateTime& bound) const
{
    if (shown.empty())
        return std::nullopt;
    const std::vector<WorkWeek> weeks = weeksOf(shown);
    // The half hours of the first place's clock: UTC's shifted by what its offset has beyond
    // them (a quarter of an hour in Nepal's).
    const qint64 shift =
        (qint64(shown.front().offsetSecondsAt(from)) % kHalfHourSecs + kHalfHourSecs) %
        kHalfHourSecs;
    const auto halves = double(from.toSecsSinceEpoch() - shift) / double(kHalfHourSecs);
    const qint64 step = forward ? 1 : -1;
    const qint64 end = bound.toSecsSinceEpoch();
    for (qint64 h = qint64(forward ? std::floor(halves) + 1 : std::ceil(halves) - 1);; h += step) {
        const qint64 at = h * kHalfHourSecs + shift;
        if (forward ? at > end : at < end)
            return std::nullopt;
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(at, Qt::UTC);
        if (allAtWork(shown, weeks, utc))
            return utc;
    }
}
