#pragma once

#include "PlaceReload.h"
#include "PlaceTable.h"
#include "PlaceTime.h"
#include "WindowNames.h"

#include <QLocale>
#include <optional>

class Clock;
class SettingsStore;

// The displays that show one place at a time: the places and the change interval "CT" from
// the store, reloaded when another program sets "Change", and the step to the next place
// every CT seconds, back to the first after the last.
class PlaceRotation {
public:
    PlaceRotation(SettingsStore& store, const Clock& clock, const QLocale& locale = QLocale());

    // "Change" acknowledged, the places read, then the rotation's starting moment.
    void start();

    // One tick: reload check, rotation, and the shown place's row.
    RowText onTick();

    // Steps to the next place when more than CT seconds have gone by since the last change.
    void rotate();
    // The moment on the clock's seconds counter after which the next step is due; nothing
    // while there is only one place to show.
    std::optional<double> nextRotationAt() const;
    // The next moment a tick is due: the next step, or a retry of the reload's acknowledgement.
    std::optional<double> nextDue() const;
    RowText shownRow() const;

    // The window in front, or nothing while there is none that this program may see (one of
    // its own, or none at all), which changes nothing. While a place's "ShowWhile" word is in
    // the front window's names, that place is shown and the rotation holds; when another
    // window comes to the front it goes on from there. True when the tie changed.
    bool setFront(const std::optional<WindowNames>& front);
    // The slot whose word the names hold, ignoring case: the longest word, for the more
    // particular tie, then the first slot. An empty word never matches.
    static std::optional<int> tiedSlot(const PlaceTable& places, const WindowNames& front);

    const PlaceTable& places() const { return m_places; }
    const QLocale& locale() const { return m_locale; }
    // Counts the loads, so that a display can tell that the places changed.
    int loads() const { return m_loads; }

private:
    SettingsStore& m_store;
    const Clock& m_clock;
    QLocale m_locale;
    PlaceTable m_places;
    int m_changeInterval = 1;
    int m_shown = 0;
    double m_lastChange = 0;
    int m_loads = 0;
    WindowNames m_front;
    std::optional<int> m_tied;

    PlaceReload m_reload;

    void applyTie();
    // Reads "PlcCount", "CT" and the places. When the new table no longer has the shown place,
    // the first place is shown at once rather than a stale entry.
    void loadPlaces();
};
