#pragma once

#include "CalendarEvent.h"
#include "LookedAtInstant.h"
#include "PlaceReload.h"
#include "PlaceTable.h"
#include "PlaceTime.h"
#include "StoreError.h"
#include "Strip.h"
#include "TypedTime.h"
#include "WorkingHours.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class Clock;
class SettingsStore;

// One cell of a painted strip: what it shows and the moment it stands for at that row's place.
struct StripCellView {
    StripCell cell;
    QString toolTip;     // "Jan 01 08:00"
    bool awake = false;  // every shown place is in its working hours
    bool looked = false; // the column of the looked-at instant
    bool operator==(const StripCellView&) const = default;
};

using StripRow = std::array<StripCellView, 24>;

// What the list clock shows, without a window: the place table, the strip mode, the rows of
// texts at each tick and the strips when they are painted, at the present or at an instant the
// user looks at. The window only displays this.
class ListClock {
public:
    ListClock(SettingsStore& store, const Clock& clock, const QLocale& locale = QLocale());

    // At start: "Change" acknowledged, then the place table read, and with it the window height.
    void start();
    int windowHeight() const { return m_windowHeight; }
    const PlaceTable& places() const { return m_places; }

    struct Tick {
        bool reloaded = false;     // the place table (and the height) changed
        std::vector<RowText> rows; // row 0 is "Local", row i + 1 is place i
        bool looking = false;      // the rows show the looked-at instant, not the present
        QString distance;          // while looking: how far it is from now, "+3:00"
        // The strips, when what they show has changed since they were last handed out: a place
        // reloaded, an hour turned somewhere, the look or the mode changed.
        std::optional<std::vector<StripRow>> strips;
    };
    // One tick: reload check, then every shown row from one snapshot of the time.
    Tick tick();

    // Looking at another instant: steps of the wheel or the arrow keys, a time typed for a row,
    // and back to the present.
    void step(int notches, LookedAtInstant::Step size);
    TypedTime::Outcome lookAtTyped(int row, QStringView text);
    void backToNow() { m_look.backToNow(); }
    // Looks at the next (or the previous) whole or half hour at which every shown place is at
    // work, within a week of now; false, and nothing moves, when there is none.
    bool lookAtCommonHour(bool forward);
    bool isLooking() const { return m_look.isActive(); }
    // When a look gives way to the present by itself, on the clock's seconds counter.
    std::optional<double> returnDue() const { return m_look.returnDue(); }
    // The next moment a tick is due: that return, or a retry of the reload's acknowledgement.
    std::optional<double> nextDue() const
    {
        return PlaceReload::earliest(returnDue(), m_reload.retryAt());
    }

    // The computer's own time as a place: its zone when the system's zone agrees with the
    // clock, else the clock's present offset.
    Place localPlace(const ClockReading& now) const;

    const WorkingHours& workingHours() const { return m_workingHours; }
    // A row's own working hours, or the common ones again (nothing); row 0 sets the common
    // hours, which every place without its own keeps.
    [[nodiscard]] WriteResult setWorkingHours(int row,
                                              const std::optional<WorkingHours::Span>& span);

    // Ties a place row's place to the windows whose title or class holds `word` (empty: to
    // none), for the rotating clocks, which read it on "Change".
    [[nodiscard]] WriteResult setShowWhile(int row, const QString& word);

    // "Local" and every place, as shown top to bottom, now or at the reading.
    std::vector<Place> shownPlaces() const;
    std::vector<Place> shownPlaces(const ClockReading& now) const;
    // The looked-at instant, or the present minute (of the reading).
    QDateTime moment() const;
    QDateTime moment(const ClockReading& now) const;
    // The moment as lines to copy, one per shown place, "Local" first.
    QStringList momentLines() const;
    // The moment as an hour-long event from it, its lines as the description.
    CalendarEvent momentEvent() const;

    StripMode mode() const { return m_mode; }
    QString modeCaption() const { return Strip::caption(m_mode); }
    void toggleMode() { m_mode = Strip::toggled(m_mode); }

    // The strips of the local row and of every place, from one snapshot: the coming 24 hours,
    // or the 24 from the looked-at hour when that lies outside them.
    std::vector<StripRow> strips() const;
    std::vector<StripRow> strips(const ClockReading& now) const;

    // The wall clock of a row's place at each column: now and 1 to 23 hours later.
    using StripTimes = std::array<QDateTime, 24>;
    // A row's strip: each cell shows the hour of its column's wall clock, and its tool tip
    // the date and time at the place when its column begins (`tips`).
    static StripRow stripRow(const StripTimes& wall, const StripTimes& tips, StripMode mode,
                             const QLocale& locale);

private:
    // What the strips were last computed from: every zone's hour turns on a quarter hour.
    struct StripBasis {
        qint64 quarter = 0;
        std::optional<QDateTime> lookedAt;
        StripMode mode = StripMode::DayNight;
        int loads = 0;
        bool operator==(const StripBasis&) const = default;
    };
    StripBasis stripBasis(const QDateTime& utc) const;

    // The place table, the working hours and the window height, read from the store.
    void loadPlaces();

    SettingsStore& m_store;
    const Clock& m_clock;
    QLocale m_locale;
    PlaceTable m_places;
    PlaceReload m_reload;
    WorkingHours m_workingHours;
    ZoneOffset m_localZone;
    LookedAtInstant m_look;
    int m_windowHeight = 0;
    int m_loads = 0;
    std::optional<StripBasis> m_paintedBasis;
    StripMode m_mode = StripMode::DayNight;
};
