#pragma once

#include "Clock.h"

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
public:
    QDateTime utc = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    QDateTime local = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::LocalTime);
    double secs = 0;

    QDateTime utcNow() const override { return utc; }
    QDateTime localNow() const override { return local; }
    double seconds() const override { return secs; }
};
