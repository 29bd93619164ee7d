#pragma once

#include "PlaceTable.h"

#include <QDateTime>
#include <bitset>
#include <vector>

class SettingsStore;

// The hours of a working day, the same at every place ("WorkStart" up to, not including,
// "WorkEnd", in minutes after midnight; 9:00 to 18:00 unless set), and the strip columns in
// which every shown place is inside them on a weekday.
struct WorkingHours {
    static constexpr int kDefaultStart = 9 * 60;
    static constexpr int kDefaultEnd = 18 * 60;
    static constexpr int kColumns = 24;

    int startMinutes = kDefaultStart;
    int endMinutes = kDefaultEnd;

    static WorkingHours load(SettingsStore& store);

    // Monday to Friday, from the start up to the end; nothing when the end is not after the start.
    bool contains(const QDateTime& wall) const;

    // Column c stands for the instant `firstColumn` + c hours.
    std::bitset<kColumns> awakeColumns(const std::vector<Place>& places,
                                       const QDateTime& firstColumn) const;
};
