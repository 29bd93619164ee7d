// The clock displays' timer: when it wakes, and that a write of the store by another program
// or a set wall clock wakes it at once.
#include "FakeClock.h"
#include "IniFileBackend.h"
#include "TickTimer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

namespace {

// Longer than a test waits: a tick within it came from a watch, not from the timer.
constexpr int kLongSleepMs = 600'000;

// How long the timer sleeps from now before its next tick.
int remainingMs(const TickTimer& ticks)
{
    const auto* sleep = ticks.findChild<QTimer*>(QStringLiteral("tickSleep"));
    if (sleep == nullptr)
        qFatal("the tick timer has no sleep named tickSleep");
    return sleep->remainingTime();
}

} // namespace

class TestTickTimer : public QObject {
    Q_OBJECT

    static QDateTime at(int h, int m, int s, int ms)
    {
        return QDateTime(QDate(2026, 12, 31), QTime(h, m, s, ms), Qt::UTC);
    }

private slots:
    void delayTo_data()
    {
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<double>("secs");
        QTest::addColumn<std::optional<double>>("due");
        QTest::addColumn<bool>("polling");
        QTest::addColumn<int>("longest");
        QTest::addColumn<int>("delay");
        const std::optional<double> none;
        const int minute = TickTimer::kWatchedSleepMs;
        // Just past the minute's end, so that the tick reads the new minute.
        QTest::newRow("minute in 0.4 s")
            << at(10, 0, 59, 600) << 0.0 << none << false << minute << 401;
        QTest::newRow("minute in 1 ms")
            << at(10, 0, 59, 999) << 0.0 << none << false << minute << 2;
        QTest::newRow("year's last minute")
            << at(23, 59, 59, 250) << 0.0 << none << false << minute << 751;
        QTest::newRow("at the minute, the whole minute")
            << at(10, 0, 0, 0) << 0.0 << none << false << minute << 60'001;
        QTest::newRow("blind to clock sets: one second")
            << at(10, 0, 0, 0) << 0.0 << none << false << 1000 << 1000;
        QTest::newRow("rotation first")
            << at(10, 0, 30, 0) << 7.0 << std::optional(7.25) << false << minute << 251;
        QTest::newRow("minute before rotation")
            << at(10, 0, 59, 900) << 7.0 << std::optional(7.5) << false << minute << 101;
        QTest::newRow("rotation overdue: the poll interval")
            << at(10, 0, 30, 0) << 9.0 << std::optional(8.0) << false << minute << 100;
        QTest::newRow("polling") << at(10, 0, 59, 999) << 0.0 << none << true << minute << 100;
        // Before 1970 the remainder of a division is negative.
        QTest::newRow("before 1970")
            << QDateTime(QDate(1969, 12, 31), QTime(23, 59, 59, 500), Qt::UTC) << 0.0 << none
            << false << minute << 501;
    }
    void delayTo()
    {
        QFETCH(QDateTime, utc);
        QFETCH(double, secs);
        QFETCH(std::optional<double>, due);
        QFETCH(bool, polling);
        QFETCH(int, longest);
        QFETCH(int, delay);
        QCOMPARE(TickTimer::delayMs(utc, secs, due, polling, longest), delay);
    }

    // Another program's write wakes the display long before the timer would.
    void storeWriteTicksAtOnce()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("ZelClock.conf"));
        IniFileBackend other(path);
        QVERIFY(other.write(u"Data", u"Change", QStringLiteral("0")));
        FakeClock clock;
        clock.utc = at(10, 0, 0, 0); // the fake clock stands: the next minute never comes
        TickTimer ticks(clock, path, kLongSleepMs);
        QVERIFY(ticks.isWatchingStore());
        QSignalSpy spy(&ticks, &TickTimer::tick);
        ticks.start();
        QTest::qWait(200);
        QCOMPARE(spy.size(), 0);
        // Twice: the writer replaces the file, and the watch must follow the new one.
        QVERIFY(other.write(u"Data", u"Change", QStringLiteral("1")));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 10000);
        QVERIFY(other.write(u"Data", u"Change", QStringLiteral("0")));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 10000);
        // Stopped, it stays silent whatever is written.
        ticks.stop();
        QVERIFY(other.write(u"Data", u"Change", QStringLiteral("1")));
        QTest::qWait(300);
        QCOMPARE(spy.size(), 2);
    }

    // Where the store cannot be watched, or the display asks the window system itself, the
    // timer keeps the old 100 ms poll.
    void pollsWithoutAWatch()
    {
        FakeClock clock;
        clock.utc = at(10, 0, 0, 0);
        TickTimer noFile(clock, QString());
        QVERIFY(!noFile.isWatchingStore());
        noFile.start();
        QVERIFY(remainingMs(noFile) <= TickTimer::kPollMs);

        QTemporaryDir tmp;
        TickTimer watched(clock, tmp.filePath(QStringLiteral("ZelClock.conf")));
        QVERIFY(watched.isWatchingStore());
        watched.start();
        // At the turn of a minute it sleeps through the minute where a set clock wakes it.
        QVERIFY(remainingMs(watched) >
                (watched.isWatchingWallClock() ? TickTimer::kBlindSleepMs : TickTimer::kPollMs));
        watched.setPolling(true);
        QVERIFY(remainingMs(watched) <= TickTimer::kPollMs);
        QSignalSpy spy(&watched, &TickTimer::tick);
        QTRY_VERIFY_WITH_TIMEOUT(spy.size() >= 3, 10000);
        watched.setPolling(false);
        QVERIFY(remainingMs(watched) > TickTimer::kPollMs);
    }

    // A set wall clock (here set to the time it shows) wakes a sleeping display at once.
    void wallClockSetTicksAtOnce()
    {
        QTemporaryDir tmp;
        FakeClock clock;
        clock.utc = at(10, 0, 0, 0);
        TickTimer ticks(clock, tmp.filePath(QStringLiteral("ZelClock.conf")), kLongSleepMs);
        if (!ticks.isWatchingWallClock())
            QSKIP("this system does not tell when its wall clock is set");
        QSignalSpy spy(&ticks, &TickTimer::tick);
        ticks.start();
        QTest::qWait(200);
        QCOMPARE(spy.size(), 0);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        if (clock_settime(CLOCK_REALTIME, &now) != 0)
            QSKIP("not allowed to set the wall clock here");
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 10000);
        // Told once, it sleeps again.
        QTest::qWait(300);
        QCOMPARE(spy.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTickTimer)
#include "tst_ticktimer.moc"
