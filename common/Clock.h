#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// One reading of the wall clock: the instant in UTC and the computer's local time at that same
// instant.
struct ClockReading {
    QDateTime utc;
    QDateTime local;
};

// Where the programs get the time from. Tests replace it; real processes are given another
// time by running them under faketime, never by a switch of their own.
class Clock {
public:
    virtual ~Clock() = default;
    // UTC and local time from one reading: two readings may fall either side of a minute's turn
    // and differ by that minute.
    virtual ClockReading now() const = 0;
    // UTC alone, without the cost of finding the local time, for what needs no local time.
    virtual QDateTime utcNow() const { return now().utc; }
    // Seconds since some fixed moment, with fractions. Runs on through midnight and is not
    // moved by changes of the wall clock, so intervals measured with it stay true.
    virtual double seconds() const = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock();
    ClockReading now() const override;
    QDateTime utcNow() const override;
    double seconds() const override;

private:
    QElapsedTimer m_started;
};
