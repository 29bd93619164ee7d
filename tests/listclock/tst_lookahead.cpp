#include "FakeClock.h"
#include "IniFileBackend.h"
#include "ListClock.h"
#include "LookedAtInstant.h"
#include "SettingsStore.h"
#include "TypedTime.h"
#include "WorkingHours.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Step = LookedAtInstant::Step;

QDateTime utcAt(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

Place zoned(const char* zone)
{
    Place p;
    p.name = QString::fromLatin1(zone);
    p.zone = ZoneOffset(zone);
    return p;
}

struct Fixture {
    QTemporaryDir dir;
    SettingsStore store{std::make_unique<IniFileBackend>(dir.filePath("store.conf"))};
    FakeClock clock;
    ListClock list{store, clock, QLocale(QLocale::English, QLocale::UnitedStates)};

    // Places by zone; the computer's own clock runs at UTC, as the tests do.
    Fixture(const QStringList& zones, const QDateTime& utc)
    {
        store.set(StoreKeys::PlcCount, int(zones.size()) - 1);
        for (int i = 0; i < zones.size(); ++i) {
            store.set(StoreKeys::WP, i, zones[i]);
            store.set(StoreKeys::TZ, i, zones[i]);
        }
        setNow(utc);
        list.loadPlaces();
    }
    void setNow(const QDateTime& utc)
    {
        clock.utc = utc;
        clock.local = QDateTime(utc.date(), utc.time(), Qt::LocalTime);
    }
    QStringList times()
    {
        QStringList out;
        for (const RowText& r : list.tick().rows)
            out << r.time.trimmed();
        return out;
    }
};

} // namespace

class TestLookAhead : public QObject {
    Q_OBJECT

private slots:
    void stepsAndTheirBound_data()
    {
        QTest::addColumn<QList<int>>("hours");    // notches of an hour, in turn
        QTest::addColumn<QList<int>>("quarters"); // then notches of a quarter
        QTest::addColumn<QString>("distance");    // empty: back at the present
        QTest::newRow("three ahead") << QList<int>{1, 1, 1} << QList<int>{} << "+3:00";
        QTest::newRow("back and a quarter")
            << QList<int>{-26} << QList<int>{-1} << "\u22121 d 2:15";
        QTest::newRow("wheel back to zero") << QList<int>{2, -1, -1} << QList<int>{} << "";
        QTest::newRow("quarters to zero") << QList<int>{} << QList<int>{3, -3} << "";
        QTest::newRow("a week at most") << QList<int>{200} << QList<int>{} << "+7 d 0:00";
        QTest::newRow("and back") << QList<int>{-170, -30} << QList<int>{} << "\u22127 d 0:00";
        QTest::newRow("from the bound") << QList<int>{200, -1} << QList<int>{} << "+6 d 23:00";
    }
    void stepsAndTheirBound()
    {
        QFETCH(QList<int>, hours);
        QFETCH(QList<int>, quarters);
        QFETCH(QString, distance);
        const QDateTime now = utcAt(2026, 6, 10, 13, 20, 40);
        LookedAtInstant look;
        for (int n : hours)
            look.step(n, Step::Hour, now, 0);
        for (int n : quarters)
            look.step(n, Step::Quarter, now, 0);
        QCOMPARE(look.isActive(), !distance.isEmpty());
        if (look.isActive())
            QCOMPARE(LookedAtInstant::distanceText(utcAt(2026, 6, 10, 13, 20).secsTo(*look.at())),
                     distance);
    }

    void aLookStandsStillAndGivesWayAfterTwoMinutes()
    {
        Fixture f({"Europe/Oslo"}, utcAt(2026, 6, 10, 13, 20, 40));
        f.clock.secs = 1000;
        f.list.step(1, Step::Hour);
        QCOMPARE(f.times(), (QStringList{"14:20", "16:20"}));
        // A minute later the look has not moved; only its distance from now has.
        f.setNow(f.clock.utc.addSecs(60));
        f.clock.secs += 60;
        QCOMPARE(f.times(), (QStringList{"14:20", "16:20"}));
        QCOMPARE(f.list.tick().distance, QStringLiteral("+0:59"));
        // Input keeps it: two minutes after the last step, not the first.
        f.list.step(1, Step::Quarter);
        QCOMPARE(*f.list.returnDue(), 1180.0);
        f.clock.secs = 1179.9;
        QVERIFY(f.list.tick().looking);
        f.clock.secs = 1180;
        const ListClock::Tick back = f.list.tick();
        QVERIFY(!back.looking);
        QCOMPARE(back.rows[1].time, QStringLiteral("15:21 "));
        QVERIFY(!f.list.returnDue());
    }

    // Summer time is the one in force at the looked-at instant, north and south.
    void summerTimeAtTheLookedAtInstant()
    {
        // New York springs forward at 07:00 UTC; Sydney falls back at 16:00 UTC the day before.
        Fixture north({"America/New_York"}, utcAt(2027, 3, 14, 5, 30));
        QCOMPARE(north.times()[1], QStringLiteral("00:30"));
        north.list.step(3, Step::Hour);
        QCOMPARE(north.times()[1], QStringLiteral("04:30"));
        Fixture south({"Australia/Sydney"}, utcAt(2027, 4, 3, 14, 30));
        QCOMPARE(south.times()[1], QStringLiteral("01:30"));
        south.list.step(3, Step::Hour);
        QCOMPARE(south.times()[1], QStringLiteral("03:30"));
        QVERIFY(south.list.tick().rows[1].nightHighlight);
    }

    void typedTimes_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDateTime>("expected"); // invalid: refused
        QTest::addColumn<int>("refusal");
        const QDateTime none;
        const int notATime = int(TypedTime::Refusal::NotATime);
        const int skipped = int(TypedTime::Refusal::Skipped);
        // Tokyo is at 22:20 on the 10th.
        const QDateTime tokyoNow = utcAt(2026, 6, 10, 13, 20);
        QTest::newRow("still ahead today")
            << "Asia/Tokyo" << tokyoNow << "23:05" << utcAt(2026, 6, 10, 14, 5) << -1;
        QTest::newRow("past: tomorrow")
            << "Asia/Tokyo" << tokyoNow << "9" << utcAt(2026, 6, 11, 0, 0) << -1;
        QTest::newRow("no colon") << "Asia/Tokyo" << tokyoNow << "930" << utcAt(2026, 6, 11, 0, 30)
                                  << -1;
        QTest::newRow("this very minute: tomorrow")
            << "Asia/Tokyo" << tokyoNow.addSecs(30) << "22:20" << utcAt(2026, 6, 11, 13, 20) << -1;
        QTest::newRow("24:00") << "Asia/Tokyo" << tokyoNow << "24:00" << none << notATime;
        QTest::newRow("9:60") << "Asia/Tokyo" << tokyoNow << "9:60" << none << notATime;
        QTest::newRow("9:5") << "Asia/Tokyo" << tokyoNow << "9:5" << none << notATime;
        // New York, just after midnight on the days its clocks change.
        QTest::newRow("skipped") << "America/New_York" << utcAt(2027, 3, 14, 5, 10) << "2:30"
                                 << none << skipped;
        QTest::newRow("after the gap") << "America/New_York" << utcAt(2027, 3, 14, 5, 10) << "3:00"
                                       << utcAt(2027, 3, 14, 7, 0) << -1;
        QTest::newRow("repeated: the first") << "America/New_York" << utcAt(2026, 11, 1, 4, 10)
                                             << "1:30" << utcAt(2026, 11, 1, 5, 30) << -1;
        QTest::newRow("repeated, first past: the second")
            << "America/New_York" << utcAt(2026, 11, 1, 5, 50) << "1:30"
            << utcAt(2026, 11, 1, 6, 30) << -1;
    }
    void typedTimes()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, now);
        QFETCH(QString, typed);
        QFETCH(QDateTime, expected);
        QFETCH(int, refusal);
        Fixture f({zone}, now);
        const TypedTime::Outcome got = f.list.lookAtTyped(1, typed);
        QCOMPARE(got.utc.value_or(QDateTime()), expected);
        QCOMPARE(got.refusal ? int(*got.refusal) : -1, refusal);
        QCOMPARE(f.list.isLooking(), expected.isValid());
        if (expected.isValid())
            QCOMPARE(f.times()[1], TypedTime::parse(typed)->toString("hh:mm"));
    }

    void allAwakeColumns_data()
    {
        QTest::addColumn<QStringList>("zones");
        QTest::addColumn<QDateTime>("first");
        QTest::addColumn<QString>("columns"); // '#' where every place is at work
        // Wednesday 00:00 UTC onwards.
        const QDateTime wed = utcAt(2026, 6, 10, 0, 0);
        QTest::newRow("New York, Bergen, Tokyo")
            << QStringList{"America/New_York", "Europe/Oslo", "Asia/Tokyo"} << wed
            << "........................";
        // Bergen 09-18 is 07-16 UTC, Cairo (summer time again since 2023) 06-15 UTC.
        QTest::newRow("Bergen, Cairo")
            << QStringList{"Europe/Oslo", "Africa/Cairo"} << wed << ".......########.........";
        QTest::newRow("Saturday") << QStringList{"Europe/Oslo"} << utcAt(2026, 6, 13, 0, 0)
                                  << "........................";
        // Friday at work in Tokyo is Thursday night in New York; Friday evening in New York is
        // Saturday in Tokyo.
        QTest::newRow("New York, London") << QStringList{"America/New_York", "Europe/London"} << wed
                                          << ".............####.......";
    }
    void allAwakeColumns()
    {
        QFETCH(QStringList, zones);
        QFETCH(QDateTime, first);
        QFETCH(QString, columns);
        std::vector<Place> places;
        for (const QString& z : zones)
            places.push_back(zoned(z.toLatin1().constData()));
        const std::bitset<24> awake = WorkingHours{}.awakeColumns(places, first);
        QString got;
        for (std::size_t c = 0; c < awake.size(); ++c)
            got += awake[c] ? u'#' : u'.';
        QCOMPARE(got, columns);
    }

    void workingHoursFromTheStoreMarkEveryStrip()
    {
        Fixture f({"Europe/Oslo", "Africa/Cairo"}, utcAt(2026, 6, 10, 5, 10));
        auto marked = [&f](std::size_t row) {
            QList<int> out;
            const std::vector<StripRow> strips = f.list.strips();
            for (std::size_t c = 0; c < 24; ++c) {
                if (strips[row][c].awake)
                    out << int(c);
            }
            return out;
        };
        // UTC (the local row) 09-18, Oslo 07-16 UTC, Cairo 06-15 UTC: 09 to 14 UTC.
        QCOMPARE(marked(0), (QList<int>{4, 5, 6, 7, 8, 9}));
        QCOMPARE(marked(2), marked(0));
        f.store.set(StoreKeys::WorkStart, 7 * 60);
        f.store.set(StoreKeys::WorkEnd, 9 * 60 + 30);
        f.store.set(StoreKeys::Change, 1);
        f.list.tick();
        // 07:00-09:29 everywhere: 07-09 UTC, 05-07 UTC in Oslo, 04-06 UTC in Cairo.
        QCOMPARE(marked(1), (QList<int>{}));
        f.store.set(StoreKeys::WorkEnd, 12 * 60);
        f.store.set(StoreKeys::Change, 1);
        f.list.tick();
        QCOMPARE(marked(1), (QList<int>{2, 3})); // 07 and 08 UTC
    }

    // The strips follow the present: new places at once, and every turned hour.
    void stripsAfterAReloadAndAcrossAnHour()
    {
        Fixture f({"Asia/Tokyo"}, utcAt(2026, 6, 10, 3, 50));
        ListClock::Tick t = f.list.tick();
        QVERIFY(t.strips);
        QCOMPARE((*t.strips)[1][0].cell.hour, 12);
        f.setNow(utcAt(2026, 6, 10, 3, 51));
        QVERIFY(!f.list.tick().strips); // nothing turned: nothing to paint
        f.store.set(StoreKeys::TZ, 0, QStringLiteral("Europe/Oslo"));
        f.store.set(StoreKeys::WP, 0, QStringLiteral("Bergen"));
        f.store.set(StoreKeys::Change, 1);
        t = f.list.tick();
        QVERIFY(t.strips);
        QCOMPARE((*t.strips)[1][0].cell.hour, 5);
        QCOMPARE((*t.strips)[1][0].toolTip, QStringLiteral("Jun 10 05:00"));
        f.setNow(utcAt(2026, 6, 10, 4, 0, 1));
        t = f.list.tick();
        QVERIFY(t.strips);
        QCOMPARE((*t.strips)[0][0].cell.hour, 4);
        QCOMPARE((*t.strips)[1][0].cell.hour, 6);
        // A look frames its column in every row, or starts the strips at it when outside them.
        f.list.step(5, Step::Hour);
        t = f.list.tick();
        QVERIFY(t.strips && (*t.strips)[1][5].looked && (*t.strips)[0][5].looked);
        f.list.step(-6, Step::Hour);
        t = f.list.tick();
        QVERIFY(t.strips && (*t.strips)[1][0].looked);
        QCOMPARE((*t.strips)[1][0].cell.hour, 5);
    }
};

QTEST_GUILESS_MAIN(TestLookAhead)

#include "tst_lookahead.moc"
