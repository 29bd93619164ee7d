#include "PlaceRotation.h"

#include "Clock.h"
#include "SettingsStore.h"

PlaceRotation::PlaceRotation(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_store(store), m_clock(clock), m_locale(locale), m_reload(store, clock)
{
}

void PlaceRotation::start()
{
    m_reload.acknowledge();
    loadPlaces();
    m_lastChange = m_clock.seconds();
}

void PlaceRotation::loadPlaces()
{
    m_places.load(m_store);
    m_changeInterval = m_store.get(StoreKeys::CT, StoreReader::Clocks);
    if (m_shown > m_places.plcCount)
        m_shown = 0;
    ++m_loads;
    applyTie(); // the words may be new
}

void PlaceRotation::rotate()
{
    if (m_tied) {
        // The tied place gets its whole interval once the tie ends.
        m_lastChange = m_clock.seconds();
        return;
    }
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

std::optional<double> PlaceRotation::nextDue() const
{
    return PlaceReload::earliest(nextRotationAt(), m_reload.retryAt());
}

bool PlaceRotation::setFront(const std::optional<WindowNames>& front)
{
    if (!front)
        return false;
    const std::optional<int> before = m_tied;
    m_front = *front;
    applyTie();
    return m_tied != before;
}

void PlaceRotation::applyTie()
{
    m_tied = tiedSlot(m_places, m_front);
    if (m_tied)
        m_shown = *m_tied;
}

std::optional<int> PlaceRotation::tiedSlot(const PlaceTable& places, const WindowNames& front)
{
    std::optional<int> found;
    qsizetype longest = 0;
    for (int i = 0; i <= places.plcCount; ++i) {
        const QString& word = places.places[std::size_t(i)].showWhile;
        if (word.size() > longest && (front.title.contains(word, Qt::CaseInsensitive) ||
                                      front.windowClass.contains(word, Qt::CaseInsensitive))) {
            found = i;
            longest = word.size();
        }
    }
    return found;
}

RowText PlaceRotation::shownRow() const
{
    const Place& place = m_places.places[std::size_t(m_shown)];
    return PlaceTime::placeRow(place, PlaceTime::snapshot(m_clock), m_locale, m_places.hourCycle);
}

RowText PlaceRotation::onTick()
{
    if (m_reload.due())
        loadPlaces();
    rotate();
    return shownRow();
}
