#include "MomentText.h"

#include "PlaceTime.h"

#include <QCoreApplication>
#include <cstdlib>

namespace MomentText {

QString offsetText(int offsetSeconds)
{
    constexpr int kMinuteSecs = 60;
    const int minutes = std::abs(offsetSeconds) / kMinuteSecs;
    QString out =
        QStringLiteral("UTC") + (offsetSeconds < 0 ? u'-' : u'+') + QString::number(minutes / 60);
    if (minutes % 60 != 0)
        out += QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return out;
}

QString line(const Place& place, const QDateTime& utc, const QLocale& locale, HourCycle cycle)
{
    const QDateTime wall = PlaceTime::placeDateTime(utc, place);
    //: The date of a copied moment, as a QDate format: weekday, day, month, year
    const QString dateFormat = QCoreApplication::translate("MomentText", "ddd d MMM yyyy");
    //: One place of a copied moment: %1 name, %2 date, %3 time, %4 offset from UTC
    return QCoreApplication::translate("MomentText", "%1  %2 %3 (%4)")
        .arg(place.name, locale.toString(wall.date(), dateFormat),
             PlaceTime::timeText(wall, locale, cycle).trimmed(),
             offsetText(place.offsetSecondsAt(utc)));
}

QStringList lines(const std::vector<Place>& places, const QDateTime& utc, const QLocale& locale,
                  HourCycle cycle)
{
    QStringList out;
    for (const Place& p : places)
        out << line(p, utc, locale, cycle);
    return out;
}

} // namespace MomentText
