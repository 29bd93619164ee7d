#include "SummerRule.h"

#include "WorldDb.h"
#include "ZoneOffset.h"

QByteArray SummerRule::zoneId(const CountryEntry& entry, const QString& entryZone)
{
    return entry.summer == SummerCode::Undetermined ? QByteArray() : entryZone.toUtf8();
}

SummerCode SummerRule::cityCode(const CountryEntry& entry)
{
    return entry.summer == SummerCode::Undetermined ? SummerCode::Observed : entry.summer;
}

int SummerRule::decide(SummerCode code, const CountryEntry& entry, const ZoneOffset& zone,
                       int current, bool picked, const QDateTime& utcNow)
{
    switch (code) {
    case SummerCode::None:
        // Never saved with "1": a clock without the zone would add the hour.
        return 0;
    case SummerCode::Observed:
        // Ahead of the standard offset rather than the zone's own daylight flag: some zones
        // call their winter time the saving one, and a Ramadan hour goes back, not ahead.
        if (zone.isValid())
            return zone.secondsAt(utcNow) > 60 * entry.offsetMinutes() ? 1 : 0;
        break;
    case SummerCode::Undetermined:
        break;
    }
    // The user's switch: a place just picked starts in standard time.
    return picked ? 0 : current;
}

bool SummerRule::switchable(SummerCode code)
{
    return code == SummerCode::Undetermined;
}
