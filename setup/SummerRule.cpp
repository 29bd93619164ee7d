#include "SummerRule.h"

#include "WorldDb.h"
#include "ZoneOffset.h"

int SummerRule::entryCode(const CountryEntry& entry)
{
    return entry.summer;
}

QByteArray SummerRule::zoneId(const CountryEntry& entry, const QString& entryZone)
{
    return entry.summer == 2 ? QByteArray() : entryZone.toUtf8();
}

int SummerRule::decide(const CountryEntry& entry, const ZoneOffset& zone, int current, bool picked,
                       const QDateTime& utcNow)
{
    switch (entry.summer) {
    case 0:
        // Never saved with "1": a clock without the zone would add the hour.
        return 0;
    case 1:
        // Ahead of the standard offset rather than the zone's own daylight flag: some zones
        // call their winter time the saving one, and a Ramadan hour goes back, not ahead.
        if (zone.isValid())
            return zone.secondsAt(utcNow) > 60 * entry.offsetMinutes() ? 1 : 0;
        break;
    default:
        break;
    }
    // The user's switch: a place just picked starts in standard time.
    return picked ? 0 : current;
}
