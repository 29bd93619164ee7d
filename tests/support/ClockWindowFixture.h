#pragma once

#include "FakeForeground.h"
#include "StoreClockFixture.h"

// What a clock window is made from in a test: the logic's store, clock, starter and folder of
// programs (at `utc` on the first of January 2026), and a foreground window the test sets (none
// at first).
struct ClockWindowFixture : StoreClockFixture {
    FakeForeground foreground;

    explicit ClockWindowFixture(QTime utc = QTime(12, 0))
        : StoreClockFixture(QDateTime(QDate(2026, 1, 1), utc, Qt::UTC))
    {
    }
};
