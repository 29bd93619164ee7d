#include "PlaceTime.h"

#include "Clock.h"

#include <QCoreApplication>

namespace PlaceTime {

QDateTime utcSnapshot(const Clock& clock)
{
    const QDateTime now = clock.utcNow().toUTC();
    const QTime t = now.time();
    return QDateTime(now.date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC);
}

QDateTime placeDateTime(const QDateTime& utc, const Place& place)
{
    const QDateTime wall(utc.date(), utc.time(), Qt::UTC);
    return wall.addSecs(place.offsetSecondsAt(utc));
}

QString dateText(const QDateTime& dt, const QLocale& locale)
{
    const QDate d = dt.date();
    QString month = locale.monthName(d.month(), QLocale::ShortFormat);
    // An abbreviation's full stop ("Feb.", "févr.") costs width the narrow date label lacks,
    // and the day that follows says as much.
    if (month.endsWith(u'.'))
        month.chop(1);
    return month + u' ' + QStringLiteral("%1 ").arg(d.day(), 2, 10, QLatin1Char('0'));
}

QString timeText(const QDateTime& dt)
{
    const QTime t = dt.time();
    return QStringLiteral("%1:%2 ")
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'));
}

QString timeText(const QDateTime& dt, const QLocale& locale, HourCycle cycle)
{
    if (cycle == HourCycle::TwentyFour)
        return timeText(dt);
    return locale.toString(dt.time(), HourCycles::twelveHourFormat(locale)) + u' ';
}

bool dateHighlight(const QDateTime& place, const QDateTime& localNow)
{
    return place.date().day() != localNow.date().day();
}

bool nightHighlight(const QDateTime& place)
{
    const int h = place.time().hour();
    return h > 20 || h < 7;
}

RowText placeRow(const Place& place, const QDateTime& utc, const QDateTime& localNow,
                 const QLocale& locale, HourCycle cycle)
{
    const QDateTime dt = placeDateTime(utc, place);
    return {dateText(dt, locale), timeText(dt, locale, cycle), place.name,
            dateHighlight(dt, localNow), nightHighlight(dt)};
}

RowText localRow(const QDateTime& localNow, const QLocale& locale, HourCycle cycle)
{
    return {dateText(localNow, locale), timeText(localNow, locale, cycle),
            QCoreApplication::translate("PlaceTime", "Local"), false, false};
}

} // namespace PlaceTime
