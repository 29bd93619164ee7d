#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class ZoneOffset;
struct CountryEntry;

// The one place that decides a slot's summer hour, on every redraw of the slots. An entry of
// summer code 1 is in summer time while its zone is ahead of the entry's standard offset, in
// either hemisphere; code 0 never is; code 2 is the user's own switch, off for a place just
// picked. Codes 0 and 1 show their time with their zone's offset, as the clocks will.
class SummerRule {
public:
    // The zone the slot's time is shown with and that is stored for the clocks: the entry's
    // for codes 0 and 1, none for code 2 (the user decides) and for the none row.
    static QByteArray zoneId(const CountryEntry& entry, const QString& entryZone);

    // The slot's "SA" after a redraw: `current` is what it held, `picked` says that the slot's
    // place was just picked.
    static int decide(const CountryEntry& entry, const ZoneOffset& zone, int current, bool picked,
                      const QDateTime& utcNow);

    // The user may switch the mark only where the zone does not decide.
    static bool switchable(const CountryEntry& entry) { return entryCode(entry) == 2; }

private:
    static int entryCode(const CountryEntry& entry);
};
