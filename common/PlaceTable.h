#pragma once

#include "HourCycle.h"
#include "StoreKeys.h"
#include "ZoneOffset.h"

#include <QDateTime>
#include <QString>
#include <array>

class SettingsStore;

// One configured place: a name, the standard offset from UTC the settings program stored, the
// user's own summer hour, and the place's time zone when the store names one the system knows.
// The two parts of the standard offset may have different signs: 5 hours and -30 minutes is
// UTC+4:30.
struct Place {
    QString name;
    int hours = 0;
    int minutes = 0;
    bool summer = false; // "SA" is "1": one hour ahead, where no zone decides
    ZoneOffset zone{};
    QString showWhile{}; // "ShowWhile": the word of the windows it is shown for

    // The offset without a zone: the stored hours and minutes, plus the summer hour.
    int offsetMinutes() const { return 60 * hours + minutes + (summer ? 60 : 0); }
    // The offset at an instant: the zone's, summer time included, when there is one.
    int offsetSecondsAt(const QDateTime& utc) const
    {
        return zone.isValid() ? zone.secondsAt(utc) : 60 * offsetMinutes();
    }
    bool operator==(const Place&) const = default;
};

// A display's copy of the configured places. Entries above plcCount keep what they held before.
struct PlaceTable {
    int plcCount = 0; // index of the last place: -1 none, up to StoreKeys::kSlotCount - 1
    std::array<Place, StoreKeys::kSlotCount> places{};
    // Read with the places, so that a display shows a new cycle on the same "Change".
    HourCycle hourCycle = HourCycle::TwentyFour;

    // Reads "PlcCount" (missing: 1; taken into -1..5) and the places 0..PlcCount (missing:
    // "Japan", +9 hours, 0 minutes, no summer hour, no zone); writes nothing.
    void load(SettingsStore& store);

    int count() const { return plcCount + 1; }
    bool operator==(const PlaceTable&) const = default;
};
