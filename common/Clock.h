#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Where the programs get the time from. Tests replace it; real processes are given another
// time by running them under faketime, never by a switch of their own.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime utcNow() const = 0;
    virtual QDateTime localNow() const = 0;
    // Seconds since some fixed moment, with fractions. Runs on through midnight and is not
    // moved by changes of the wall clock, so intervals measured with it stay true.
    virtual double seconds() const = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock();
    QDateTime utcNow() const override;
    QDateTime localNow() const override;
    double seconds() const override;

private:
    QElapsedTimer m_started;
};
