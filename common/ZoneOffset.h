#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

// The UTC offset of a time zone at an instant, summer time included. The offset found last is
// kept together with the span it holds for (from the instant it was asked for up to the zone's
// next transition), so a clock that asks ten times a second searches the zone's rules only
// when a transition has passed, or when the time has gone back.
class ZoneOffset {
public:
    ZoneOffset() = default;
    // A zone the system knows by this IANA id; an empty, unknown or malformed id (a path such as
    // "../../etc/passwd" included) gives an invalid one, and nothing is opened for it.
    explicit ZoneOffset(const QByteArray& ianaId);
    // The computer's own zone, whatever the system calls it.
    static ZoneOffset system();

    bool isValid() const { return m_zone.isValid(); }
    QByteArray id() const { return m_zone.id(); }

    // Seconds east of UTC at `utc`; 0 for an invalid zone.
    int secondsAt(const QDateTime& utc) const;

    // Two offsets are the same zone; what each remembers does not count.
    bool operator==(const ZoneOffset& other) const { return m_zone == other.m_zone; }

private:
    explicit ZoneOffset(const QTimeZone& zone) : m_zone(zone) {}

    QTimeZone m_zone;
    // The remembered offset holds for m_from <= t < m_until (milliseconds since the epoch);
    // empty at first.
    mutable qint64 m_from = 0;
    mutable qint64 m_until = 0;
    mutable int m_offset = 0;
};
