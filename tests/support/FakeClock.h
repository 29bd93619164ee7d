#pragma once

#include "Clock.h"

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
public:
    QDateTime utc = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    QDateTime local = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::LocalTime);
    double secs = 0;

    ClockReading now() const override { return {utc, local}; }
    double seconds() const override { return secs; }
};
