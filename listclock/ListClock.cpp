#include "ListClock.h"

#include "Clock.h"
#include "ListLayout.h"
#include "SettingsStore.h"

ListClock::ListClock(SettingsStore& store, const Clock& clock, QLocale locale)
    : m_store(store), m_clock(clock), m_locale(std::move(locale))
{
}

void ListClock::loadPlaces()
{
    m_places.load(m_store);
    m_windowHeight = ListLayout::windowHeight(m_places.plcCount);
}

ListClock::Tick ListClock::tick()
{
    Tick out;
    if (PlaceTable::reloadRequested(m_store)) {
        loadPlaces();
        out.reloaded = true;
    }
    const QDateTime utc = PlaceTime::utcSnapshot(m_clock);
    const QDateTime localNow = m_clock.localNow();
    out.rows.reserve(std::size_t(m_places.count() + 1));
    out.rows.push_back(PlaceTime::localRow(localNow, m_locale));
    for (int i = 0; i <= m_places.plcCount; ++i)
        out.rows.push_back(
            PlaceTime::placeRow(m_places.places[std::size_t(i)], utc, localNow, m_locale));
    return out;
}

std::vector<StripRow> ListClock::strips() const
{
    const QDateTime utc = PlaceTime::utcSnapshot(m_clock);
    // The local row counts on the wall clock like the places do, so that its tool tips agree
    // with its cells.
    const QDateTime local = m_clock.localNow();
    const QDateTime localWall(local.date(), local.time(), Qt::UTC);
    std::vector<StripRow> out;
    out.reserve(std::size_t(m_places.count() + 1));
    StripTimes wall;
    for (std::size_t c = 0; c < wall.size(); ++c)
        wall[c] = localWall.addSecs(qint64(c) * 3600);
    out.push_back(stripRow(wall, m_mode, m_locale));
    // A place's columns are instants an hour apart, so a change of its summer time shows as
    // a skipped or a repeated hour.
    for (int i = 0; i <= m_places.plcCount; ++i) {
        const Place& place = m_places.places[std::size_t(i)];
        for (std::size_t c = 0; c < wall.size(); ++c)
            wall[c] = PlaceTime::placeDateTime(utc.addSecs(qint64(c) * 3600), place);
        out.push_back(stripRow(wall, m_mode, m_locale));
    }
    return out;
}

StripRow ListClock::stripRow(const StripTimes& wall, StripMode mode, const QLocale& locale)
{
    std::array<int, 24> hours{};
    for (std::size_t c = 0; c < hours.size(); ++c)
        hours[c] = wall[c].time().hour();
    const std::array<StripCell, 24> cells = Strip::cells(hours, mode);
    StripRow row;
    for (std::size_t c = 0; c < row.size(); ++c) {
        const QDateTime at(wall[c].date(), QTime(hours[c], 0), Qt::UTC);
        row[c] = {cells[c], (PlaceTime::dateText(at, locale) + PlaceTime::timeText(at)).trimmed()};
    }
    return row;
}
