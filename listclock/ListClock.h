#pragma once

#include "PlaceTable.h"
#include "PlaceTime.h"
#include "Strip.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>
#include <vector>

class Clock;
class SettingsStore;

// One cell of a painted strip: what it shows and the moment it stands for at that row's place.
struct StripCellView {
    StripCell cell;
    QString toolTip; // "Jan 01 08:00"
    bool operator==(const StripCellView&) const = default;
};

using StripRow = std::array<StripCellView, 24>;

// What the list clock shows, without a window: the place table, the strip mode, the rows of
// texts at each tick and the strips when they are painted. The window only displays this.
class ListClock {
public:
    ListClock(SettingsStore& store, const Clock& clock, QLocale locale = QLocale());

    // The place table, and with it the window height.
    void loadPlaces();
    int windowHeight() const { return m_windowHeight; }
    const PlaceTable& places() const { return m_places; }

    struct Tick {
        bool reloaded = false;     // the place table (and the height) changed
        std::vector<RowText> rows; // row 0 is "Local", row i + 1 is place i
    };
    // One tick: reload check, then every shown row from one snapshot of the time.
    Tick tick();

    StripMode mode() const { return m_mode; }
    QString modeCaption() const { return Strip::caption(m_mode); }
    void toggleMode() { m_mode = Strip::toggled(m_mode); }

    // The strips of the local row and of every place, from one snapshot.
    std::vector<StripRow> strips() const;

    // The wall clock of a row's place at each column: now and 1 to 23 hours later.
    using StripTimes = std::array<QDateTime, 24>;
    // A row's strip: each cell shows the hour of its column's wall clock, and its tool tip
    // the date and the start of that hour.
    static StripRow stripRow(const StripTimes& wall, StripMode mode, const QLocale& locale);

private:
    SettingsStore& m_store;
    const Clock& m_clock;
    QLocale m_locale;
    PlaceTable m_places;
    int m_windowHeight = 0;
    StripMode m_mode = StripMode::DayNight;
};
