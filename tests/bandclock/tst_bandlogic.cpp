// The task-bar clock without its windows: the tray picture's text, the tool tip's list, the
// fallback decision and where the fallback window opens.
#include "BandClock.h"
#include "StoreClockFixture.h"

#include <QTest>

namespace {

QDateTime june30(QTime time, Qt::TimeSpec timeSpec = Qt::UTC)
{
    return QDateTime(QDate(2026, 6, 30), time, timeSpec);
}

} // namespace

class TestBandLogic : public QObject {
    Q_OBJECT
private slots:
    void trayFace_data()
    {
        QTest::addColumn<QTime>("utc");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<bool>("night");
        QTest::newRow("day") << QTime(3, 34) << 9 << 0 << "12"
                             << "34" << false;
        QTest::newRow("half-hour zone") << QTime(23, 50) << 5 << 30 << "05"
                                        << "20" << true;
        QTest::newRow("last night hour") << QTime(15, 59, 59) << -9 << 0 << "06"
                                         << "59" << true;
        QTest::newRow("first day hour") << QTime(16, 0) << -9 << 0 << "07"
                                        << "00" << false;
        QTest::newRow("negative minutes") << QTime(0, 10) << 5 << -30 << "04"
                                          << "40" << true;
        QTest::newRow("evening") << QTime(20, 0) << 1 << 0 << "21"
                                 << "00" << true;
    }

    void trayFace()
    {
        QFETCH(QTime, utc);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(bool, night);
        StoreClockFixture f(june30(utc));
        f.set("PlcCount", "0");
        f.addPlace(0, "Here", hours, minutes);
        BandClock band(f.store, f.clock);
        band.start();
        QCOMPARE(BandClock::face(band.onTick()), (TrayFace{top, bottom, night}));
    }

    void toolTipListsLocalAndEveryPlace()
    {
        StoreClockFixture f;
        f.setNow(june30(QTime(16, 5)), june30(QTime(18, 5), Qt::LocalTime));
        f.set("PlcCount", "2");
        f.addPlace(0, "Tokyo", 9);
        f.addPlace(1, "New York", -4);
        f.addPlace(2, "Kathmandu", 5, 45);
        BandClock band(f.store, f.clock, QLocale(QLocale::English));
        band.start();
        QCOMPARE(band.toolTip(), QStringLiteral("Jun 30 18:05 Local\n"
                                                "Jul 01 01:05 Tokyo\n"
                                                "Jun 30 12:05 New York\n"
                                                "Jun 30 21:50 Kathmandu"));
        const std::vector<RowText> rows = band.rows();
        QCOMPARE(rows.size(), std::size_t(4));
        QVERIFY(!rows[0].nightHighlight && !rows[0].dateHighlight); // "Local" never
        QVERIFY(rows[1].dateHighlight && rows[1].nightHighlight);
        QVERIFY(!rows[2].dateHighlight && !rows[2].nightHighlight);
        // In 12 hours the list and the tray picture alike.
        QVERIFY(HourCycles::save(f.store, HourCycle::Twelve));
        QCOMPARE(BandClock::face(band.onTick()), (TrayFace{"1", "05", true}));
        QVERIFY(band.toolTip().startsWith("Jun 30 6:05 PM Local\nJul 01 1:05 AM Tokyo\n"));

        // Fewer places after a reload: the list shrinks with them.
        f.set("PlcCount", "0");
        f.set("Change", "1");
        band.onTick();
        QCOMPARE(band.rows().size(), std::size_t(2));
        QCOMPARE(band.toolTip().count('\n'), 1);
    }

    void withoutTrayAWindowAtTheCorner()
    {
        QCOMPARE(BandClock::mode(true), BandMode::Tray);
        QCOMPARE(BandClock::mode(false), BandMode::Window);
        QVERIFY(!BandClock::noTrayReason().isEmpty());
        // The whole window inside the available area, flush with its bottom right corner.
        QCOMPARE(BandClock::cornerPosition(QSize(200, 100), QRect(0, 0, 1024, 740)),
                 QPoint(824, 640));
        QCOMPARE(BandClock::cornerPosition(QSize(200, 100), QRect(1280, 30, 800, 570)),
                 QPoint(1880, 500));
    }
};

QTEST_GUILESS_MAIN(TestBandLogic)
#include "tst_bandlogic.moc"
