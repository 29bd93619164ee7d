#include "Clock.h"

SystemClock::SystemClock()
{
    m_started.start();
}

QDateTime SystemClock::utcNow() const
{
    return QDateTime::currentDateTimeUtc();
}

QDateTime SystemClock::localNow() const
{
    return QDateTime::currentDateTime();
}

double SystemClock::seconds() const
{
    return double(m_started.nsecsElapsed()) / 1e9;
}
