#pragma once

#include "PlaceTable.h"
#include "PlaceTime.h"

#include <QLocale>
#include <QString>

class Clock;
class SettingsStore;

// What the panel clock shows and when, without a window: the places and the change interval
// from the store, the rotation through the places, the shown place's texts, and the follow
// flag with its tool tip.
class PanelClock {
public:
    PanelClock(SettingsStore& store, const Clock& clock, QLocale locale = QLocale());

    // The window's load: the places, then the rotation's starting moment.
    void Form_Load();

    // Resets "Change", reads "PlcCount", "CT" and the places. When the new table no longer
    // has the shown place, the first place is shown at once rather than a stale entry.
    void loadPlaces();

    // One 100 ms tick: reload check, rotation, and the shown place's row.
    RowText onTick();

    // Steps to the next place when more than CT seconds have gone by since the last change.
    void rotate();
    RowText shownRow() const;

    int shownIndex() const { return m_shown; }
    int changeInterval() const { return m_changeInterval; }
    const PlaceTable& places() const { return m_places; }

    // Following the foreground window's title bar: on at every start, not stored.
    bool following() const { return m_following; }
    void toggleFollow()
    {
        m_following = !m_following;
        m_toggled = true;
    }
    // The follow button's tool tip: what a click would change to.
    QString followToolTip() const;
    static QString initialFollowToolTip();

private:
    SettingsStore& m_store;
    const Clock& m_clock;
    QLocale m_locale;
    PlaceTable m_places;
    int m_changeInterval = 1;
    int m_shown = 0;
    double m_lastChange = 0;
    bool m_following = true;
    bool m_toggled = false;
};
