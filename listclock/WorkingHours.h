#pragma once

#include "PlaceTable.h"
#include "StoreKeys.h"
#include "WorkWeek.h"

#include <QDateTime>
#include <array>
#include <bitset>
#include <optional>
#include <vector>

class SettingsStore;

// When the shown places work: each place from its start up to, not including, its end (minutes
// after midnight there; a place's own "WorkStart"n and "WorkEnd"n, else "WorkStart" and
// "WorkEnd", 9:00 to 18:00 unless set) on the working days of its country. From these come the
// strip columns in which every shown place is at work, and the next such hour.
class WorkingHours {
public:
    static constexpr int kDefaultStart = 9 * 60;
    static constexpr int kDefaultEnd = 18 * 60;
    static constexpr int kColumns = 24;
    static constexpr qint64 kHalfHourSecs = 30 * 60;

    struct Span {
        int startMinutes = kDefaultStart;
        int endMinutes = kDefaultEnd;
        bool operator==(const Span&) const = default;
    };

    static WorkingHours load(SettingsStore& store);

    // The hours of a row: 0 is "Local", which keeps the common hours; row i + 1 is place i.
    Span spanOf(int row) const;
    // Whether place `slot` has hours of its own.
    bool hasOwnSpan(int slot) const { return m_own[std::size_t(slot)].has_value(); }

    // A wall time on a working day, from the start up to the end; never when the end is not
    // after the start.
    static bool contains(const Span& span, const WorkWeek& week, const QDateTime& wall);

    // Column c stands for the instant `firstColumn` + c hours; `shown` is "Local" and the
    // places in row order.
    std::bitset<kColumns> awakeColumns(const std::vector<Place>& shown,
                                       const QDateTime& firstColumn) const;

    // The first whole or half hour of the first shown place's clock after `from` (before it,
    // going back) and not beyond `bound`, at which every shown place is at work.
    std::optional<QDateTime> nextCommon(const std::vector<Place>& shown, const QDateTime& from,
                                        bool forward, const QDateTime& bound) const;

private:
    bool allAtWork(const std::vector<Place>& shown, const std::vector<WorkWeek>& weeks,
                   const QDateTime& utc) const;

    Span m_common;
    std::array<std::optional<Span>, StoreKeys::kSlotCount> m_own{};
};
