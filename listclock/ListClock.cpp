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
    std::vector<StripRow> out;
    out.reserve(std::size_t(m_places.count() + 1));
    out.push_back(stripRow(m_clock.localNow(), m_mode, m_locale));
    for (int i = 0; i <= m_places.plcCount; ++i)
        out.push_back(stripRow(PlaceTime::placeDateTime(utc, m_places.places[std::size_t(i)]),
                               m_mode, m_locale));
    return out;
}

StripRow ListClock::stripRow(const QDateTime& placeNow, StripMode mode, const QLocale& locale)
{
    const std::array<StripCell, 24> cells = Strip::cells(placeNow.time().hour(), mode);
    // Counted on the wall clock (as UTC), so that the local row's tool tips agree with its
    // cells even across a change of summer time.
    const QDateTime hourStart(placeNow.date(), QTime(placeNow.time().hour(), 0), Qt::UTC);
    StripRow row;
    for (std::size_t c = 0; c < row.size(); ++c) {
        const QDateTime at = hourStart.addSecs(qint64(c) * 3600);
        row[c] = {cells[c], (PlaceTime::dateText(at, locale) + PlaceTime::timeText(at)).trimmed()};
    }
    return row;
}
