#include "PlaceTime.h"

#include "Clock.h"

#include <QCoreApplication>

namespace PlaceTime {

ClockReading snapshot(const Clock& clock)
{
    const ClockReading now = clock.now();
    const auto toSecond = [](const QDateTime& dt) { return dt.addMSecs(-dt.time().msec()); };
    return {toSecond(now.utc.toUTC()), toSecond(now.local)};
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

bool dateHighlight(const QDateTime& place, const QDateTime& local)
{
    return place.date().day() != local.date().day();
}

bool nightHighlight(const QDateTime& place)
{
    const int h = place.time().hour();
    return h > 20 || h < 7;
}

RowText placeRow(const Place& place, const ClockReading& at, const QLocale& locale, HourCycle cycle)
{
    const QDateTime dt = placeDateTime(at.utc, place);
    return {dateText(dt, locale), timeText(dt, locale, cycle), place.name,
            dateHighlight(dt, at.local), nightHighlight(dt)};
}

RowText localRow(const ClockReading& at, const QLocale& locale, HourCycle cycle)
{
    return {dateText(at.local, locale), timeText(at.local, locale, cycle),
            QCoreApplication::translate("PlaceTime", "Local"), false, false};
}

} // namespace PlaceTime
