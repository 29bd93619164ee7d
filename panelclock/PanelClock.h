#pragma once

#include "PlaceRotation.h"

#include <QLocale>
#include <QString>

class Clock;
class SettingsStore;

// What the panel clock shows and when, without a window: the rotation through the places
// that the one-place displays share, and the follow flag with its tool tip.
class PanelClock {
public:
    PanelClock(SettingsStore& store, const Clock& clock, const QLocale& locale = QLocale());

    // The places, then the rotation's starting moment.
    void start() { m_rotation.start(); }
    // One tick: reload check, rotation, and the shown place's row.
    RowText onTick() { return m_rotation.onTick(); }
    const PlaceRotation& rotation() const { return m_rotation; }
    // The window in front, for the place tied to it; true when the shown place is to change.
    bool setFront(const std::optional<WindowNames>& front) { return m_rotation.setFront(front); }

    // Following the foreground window's title bar: on at every start, not stored.
    bool following() const { return m_following; }
    void toggleFollow()
    {
        if (!m_canFollow)
            return;
        m_following = !m_following;
        m_toggled = true;
    }
    // Where the desktop keeps other windows from this program there is nothing to follow:
    // following stays off for the whole run.
    void followingUnavailable()
    {
        m_canFollow = false;
        m_following = false;
    }
    bool canFollow() const { return m_canFollow; }
    // The follow button's tool tip: what a click would change to, once it has been clicked, or
    // why it cannot be clicked.
    QString followToolTip() const;

private:
    PlaceRotation m_rotation;
    bool m_following = true;
    bool m_toggled = false;
    bool m_canFollow = true;
};
