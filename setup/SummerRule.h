#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class ZoneOffset;
enum class SummerCode;
struct CountryEntry;

// The one place that decides a slot's summer hour, on every redraw of the slots. A place of code
// Observed is in summer time while its zone is ahead of the entry's standard offset, in either
// hemisphere; code None never is; code Undetermined is the user's own switch, off for a place
// just picked. Codes None and Observed show their time with their zone's offset, as the clocks
// will.
class SummerRule {
public:
    // The zone of a country entry, stored for the clocks: the entry's for codes None and
    // Observed, none for Undetermined (the user decides).
    static QByteArray zoneId(const CountryEntry& entry, const QString& entryZone);

    // The code of a city with a zone of its own: its zone decides, also where the cities of its
    // entry disagree (Sydney keeps summer time, Brisbane of the same entry does not).
    static SummerCode cityCode(const CountryEntry& entry);

    // The slot's "SA" after a redraw: `current` is what it held, `picked` says that the slot's
    // place was just picked.
    static int decide(SummerCode code, const CountryEntry& entry, const ZoneOffset& zone,
                      int current, bool picked, const QDateTime& utcNow);

    // The user may switch the mark only where no zone decides.
    static bool switchable(SummerCode code);
};
