#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// A time zone of the system that stands for a place, named by its city as ICU's localised zone
// names have it ("Pacific/Auckland": "Auckland", "オークランド").
struct ZoneCity {
    QByteArray zone;      // the id the system knows the zone by
    QByteArray canonical; // the same for every other id of the zone ("Asia/Calcutta")
    QString english;
    QString japanese;
    QString local; // in the interface language; empty where that is English or Japanese
};

// The system's time zones by their cities, from ICU.
namespace ZoneCities {

// Every zone of the system's list that lies in a country (not "UTC" or "Etc/GMT+5"), with its
// city in English, in Japanese and in the interface language.
std::vector<ZoneCity> all();

// The zone's city in English or in Japanese; empty for a zone ICU does not place.
QString city(QByteArrayView zone, bool english);

// The id all other ids of the zone share; the id itself where ICU does not know it.
QByteArray canonical(QByteArrayView zone);

} // namespace ZoneCities
