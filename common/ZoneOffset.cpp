#include "ZoneOffset.h"

#include "ZoneNames.h"

#include <limits>

ZoneOffset::ZoneOffset(const QByteArray& ianaId)
{
    if (ZoneNames::isKnown(ianaId))
        m_zone = QTimeZone(ianaId);
}

ZoneOffset ZoneOffset::system()
{
    return ZoneOffset(QTimeZone::systemTimeZone());
}

int ZoneOffset::secondsAt(const QDateTime& utc) const
{
    if (!m_zone.isValid())
        return 0;
    const qint64 t = utc.toMSecsSinceEpoch();
    if (t >= m_from && t < m_until)
        return m_offset;
    m_offset = m_zone.offsetFromUtc(utc);
    m_from = t;
    const QTimeZone::OffsetData next = m_zone.nextTransition(utc);
    m_until =
        next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    return m_offset;
}
