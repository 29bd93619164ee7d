#include "SummerRule.h"

#include "WorldDb.h"

SummerRule::SummerRule(QDate today)
{
    if (!today.isValid())
        return;
    const int year = today.year();
    m_start = QDate(year, 4, 1);
    while (m_start.dayOfWeek() != Qt::Sunday)
        m_start = m_start.addDays(1);
    QDate lastSunday(year, 10, 31);
    while (lastSunday.dayOfWeek() != Qt::Sunday)
        lastSunday = lastSunday.addDays(-1);
    m_end = lastSunday.addDays(-1);
}

bool SummerRule::automaticSummer(const CountryEntry& entry, const QDateTime& localNow) const
{
    if (entry.summer != 1 || !m_start.isValid())
        return false;
    // Local wall-clock time against local midnights: no zone conversion may move either side.
    const QDate day = localNow.date();
    const bool afterStart = day > m_start || (day == m_start && localNow.time() > QTime(0, 0));
    const bool beforeEnd = day < m_end;
    return afterStart && beforeEnd;
}
