#include "ZoneNames.h"

#include "platform/HostSystem.h"

#include <QFile>
#include <QSet>
#include <QTimeZone>

namespace {

// The tz database's own list of its zones ("Z name ...") and links ("L target name"). Qt's list
// holds only the zones that zone.tab gives a country, without links and the Etc/ zones.
constexpr char kTzDatabaseList[] = "/usr/share/zoneinfo/tzdata.zi";

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '+';
}

QSet<QByteArray> readKnownIds()
{
    const QList<QByteArray> qtIds = QTimeZone::availableTimeZoneIds();
    QSet<QByteArray> ids(qtIds.begin(), qtIds.end());
    // The list is some 100 kB; anything far larger is no such list.
    constexpr qint64 kMaxListBytes = 8 * 1024 * 1024;
    const HostSystem::FileBytes list =
        HostSystem::readRegularFile(QString::fromLatin1(kTzDatabaseList), kMaxListBytes);
    if (!list.ok())
        return ids; // no such list here (Windows): Qt's alone
    for (const QByteArray& line : list.bytes.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && fields[0] == "Z")
            ids.insert(fields[1]);
        else if (fields.size() >= 3 && fields[0] == "L")
            ids.insert(fields[2]);
    }
    return ids;
}

} // namespace

namespace ZoneNames {

bool isWellFormed(QByteArrayView id)
{
    bool componentStart = true;
    for (const char c : id) {
        if (c == '/') {
            if (componentStart)
                return false; // leading '/' or an empty component
            componentStart = true;
        } else if (isNameChar(c)) {
            componentStart = false;
        } else {
            return false;
        }
    }
    return !componentStart; // neither empty nor ending in '/'
}

bool isKnown(QByteArrayView id)
{
    if (!isWellFormed(id))
        return false;
    // Qt's list takes some milliseconds to build; a clock asks again at every reload.
    static const QSet<QByteArray> known = readKnownIds();
    return known.contains(id.toByteArray());
}

} // namespace ZoneNames
