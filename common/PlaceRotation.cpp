#include "PlaceRotation.h"

#include "Clock.h"
#include "SettingsStore.h"

PlaceRotation::PlaceRotation(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_store(store), m_clock(clock), m_locale(locale)
{
}

void PlaceRotation::start()
{
    loadPlaces();
    m_lastChange = m_clock.seconds();
}

void PlaceRotation::loadPlaces()
{
    m_places.load(m_store); // resets "Change" before reading
    m_changeInterval = m_store.get(StoreKeys::CT, StoreReader::Clocks);
    if (m_shown > m_places.plcCount)
        m_shown = 0;
    ++m_loads;
}

void PlaceRotation::rotate()
{
    // Strict: with CT 5 the place changes at the first tick after five whole seconds.
    if (m_lastChange + m_changeInterval < m_clock.seconds()) {
        ++m_shown;
        m_lastChange = m_clock.seconds();
        if (m_shown > m_places.plcCount)
            m_shown = 0;
    }
}

std::optional<double> PlaceRotation::nextRotationAt() const
{
    if (m_places.plcCount <= 0)
        return std::nullopt;
    return m_lastChange + m_changeInterval;
}

RowText PlaceRotation::shownRow() const
{
    const Place& place = m_places.places[std::size_t(m_shown)];
    return PlaceTime::placeRow(place, PlaceTime::utcSnapshot(m_clock), m_clock.localNow(), m_locale,
                               m_places.hourCycle);
}

RowText PlaceRotation::onTick()
{
    if (PlaceTable::reloadRequested(m_store))
        loadPlaces();
    rotate();
    return shownRow();
}
