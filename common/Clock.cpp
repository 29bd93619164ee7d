#include "Clock.h"

SystemClock::SystemClock()
{
    m_started.start();
}

ClockReading SystemClock::now() const
{
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    return {utc, utc.toLocalTime()};
}

QDateTime SystemClock::utcNow() const
{
    return QDateTime::currentDateTimeUtc();
}

double SystemClock::seconds() const
{
    return double(m_started.nsecsElapsed()) / 1e9;
}
