#include "ListClock.h"
#include "StoreClockFixture.h"

#include <QTest>

namespace {

using Step = LookedAtInstant::Step;

QDateTime utcAt(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

// A list clock with places named by their zones; the computer's own clock runs at UTC.
struct Fixture : StoreClockFixture {
    ListClock list{store, clock, QLocale(QLocale::English, QLocale::UnitedStates)};

    Fixture(const QStringList& zones, const QDateTime& utc) : StoreClockFixture(utc)
    {
        addZones(zones);
        list.start();
    }
    QString times()
    {
        QStringList out;
        for (const RowText& r : list.tick().rows)
            out << r.time.trimmed();
        return out.join(u' ');
    }
    // The columns of a strip as '#' where every place is at work, '.' elsewhere.
    QString awake(const std::vector<StripRow>& strips, std::size_t row = 0)
    {
        QString out;
        for (const StripCellView& v : strips[row])
            out += v.awake ? u'#' : u'.';
        return out;
    }
};

} // namespace

class TestLookAhead : public QObject {
    Q_OBJECT

private slots:
    void stepsAndTheirBound_data()
    {
        QTest::addColumn<QList<int>>("steps"); // hours, or quarters when beyond +-1000
        QTest::addColumn<QString>("distance"); // empty: back at the present
        QTest::newRow("three ahead") << QList<int>{1, 1, 1} << "+3:00";
        QTest::newRow("back and a quarter") << QList<int>{-26, -1001} << "\u22121 d 2:15";
        QTest::newRow("wheel back to zero") << QList<int>{2, -1, -1} << "";
        QTest::newRow("quarters to zero") << QList<int>{1003, -1003} << "";
        QTest::newRow("a week at most") << QList<int>{200} << "+7 d 0:00";
        QTest::newRow("either way") << QList<int>{-170, -30} << "\u22127 d 0:00";
        QTest::newRow("from the bound") << QList<int>{200, -1} << "+6 d 23:00";
    }
    void stepsAndTheirBound()
    {
        QFETCH(QList<int>, steps);
        QFETCH(QString, distance);
        Fixture f({}, utcAt(2026, 6, 10, 13, 20, 40));
        for (int n : steps)
            f.list.step(std::abs(n) > 1000 ? n - (n > 0 ? 1000 : -1000) : n,
                        std::abs(n) > 1000 ? Step::Quarter : Step::Hour);
        QCOMPARE(f.list.isLooking(), !distance.isEmpty());
        QCOMPARE(f.list.tick().distance, distance);
    }

    void aLookStandsStillAndGivesWayAfterTwoMinutes()
    {
        Fixture f({"Europe/Oslo"}, utcAt(2026, 6, 10, 13, 20, 40));
        f.clock.secs = 1000;
        f.list.step(1, Step::Hour);
        QCOMPARE(f.times(), "14:20 16:20");
        f.setNow(f.clock.utc.addSecs(60));
        f.clock.secs += 60;
        QCOMPARE(f.times(), "14:20 16:20");
        QCOMPARE(f.list.tick().distance, "+0:59");
        f.list.step(1, Step::Quarter); // two minutes from the last input, not the first
        f.clock.secs = 1179.9;
        QVERIFY(f.list.tick().looking);
        f.clock.secs = 1180;
        QCOMPARE(f.times(), "13:21 15:21");
        QVERIFY(!f.list.returnDue());
    }

    // The summer time in force at the looked-at instant, north (New York springs forward at
    // 07:00 UTC) and south (Sydney falls back at 16:00 UTC).
    void summerTimeAtTheLookedAtInstant()
    {
        Fixture north({"America/New_York"}, utcAt(2027, 3, 14, 5, 30));
        north.list.step(3, Step::Hour);
        QCOMPARE(north.times(), "08:30 04:30");
        Fixture south({"Australia/Sydney"}, utcAt(2027, 4, 3, 14, 30));
        south.list.step(3, Step::Hour);
        QCOMPARE(south.times(), "17:30 03:30");
    }

    void typedTimes_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the place's row, or the refusal
        const QString ny = "America/New_York", tokyo = "Asia/Tokyo";
        const QDateTime tokyoNow = utcAt(2026, 6, 10, 13, 20); // 22:20 there
        QTest::newRow("still ahead") << tokyo << tokyoNow << "23:05"
                                     << "Jun 10 23:05";
        QTest::newRow("past: tomorrow") << tokyo << tokyoNow << "9"
                                        << "Jun 11 09:00";
        QTest::newRow("no colon") << tokyo << tokyoNow << "930"
                                  << "Jun 11 09:30";
        QTest::newRow("now: tomorrow") << tokyo << tokyoNow.addSecs(9) << "22:20"
                                       << "Jun 11 22:20";
        QTest::newRow("24:00") << tokyo << tokyoNow << "24:00"
                               << "not a time";
        QTest::newRow("9:5") << tokyo << tokyoNow << "9:5"
                             << "not a time";
        // New York just after midnight on the days its clocks change.
        const QDateTime spring = utcAt(2027, 3, 14, 5, 10), autumn = utcAt(2026, 11, 1, 4, 10);
        QTest::newRow("skipped") << ny << spring << "2:30"
                                 << "skipped";
        QTest::newRow("after the gap") << ny << spring << "3:00"
                                       << "Mar 14 03:00 07:00";
        QTest::newRow("repeated: first") << ny << autumn << "1:30"
                                         << "Nov 01 01:30 05:30";
        QTest::newRow("first one past") << ny << autumn.addSecs(6000) << "1:30"
                                        << "Nov 01 01:30 06:30";
    }
    void typedTimes()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, now);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f({zone}, now);
        const TypedTime::Outcome got = f.list.lookAtTyped(1, typed);
        QCOMPARE(f.list.isLooking(), got.utc.has_value());
        if (got.refusal) {
            QCOMPARE(*got.refusal == TypedTime::Refusal::Skipped ? "skipped" : "not a time", shown);
            return;
        }
        const RowText row = f.list.tick().rows[1];
        const QString utcTime = got.utc->toString(" hh:mm");
        QCOMPARE(row.date + row.time.trimmed() + (shown.size() > 12 ? utcTime : QString()), shown);
    }

    void allAwakeColumns_data()
    {
        QTest::addColumn<QStringList>("zones");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("columns"); // from the local (UTC) hour on
        const QDateTime wed = utcAt(2026, 6, 10, 0, 10);
        QTest::newRow("NY Bergen Tokyo")
            << QStringList{"America/New_York", "Europe/Oslo", "Asia/Tokyo"} << wed
            << "........................";
        // With UTC 09-18: Bergen 07-16 UTC, Cairo (summer time again since 2023) 06-15 UTC.
        QTest::newRow("Bergen Cairo")
            << QStringList{"Europe/Oslo", "Africa/Cairo"} << wed << ".........######.........";
        QTest::newRow("Saturday") << QStringList{} << utcAt(2026, 6, 13, 0, 0)
                                  << "........................";
        QTest::newRow("into Monday")
            << QStringList{} << utcAt(2026, 6, 14, 23, 0) << "..........#########.....";
        // Tel Aviv's Friday is a weekend day; Berlin's is not.
        QTest::newRow("Friday in Tel Aviv")
            << QStringList{"Asia/Jerusalem"} << utcAt(2026, 6, 12, 0, 0)
            << "........................";
        QTest::newRow("Friday in Berlin") << QStringList{"Europe/Berlin"}
                                          << utcAt(2026, 6, 12, 0, 0) << ".........#######........";
    }
    void allAwakeColumns()
    {
        QFETCH(QStringList, zones);
        QFETCH(QDateTime, now);
        QFETCH(QString, columns);
        Fixture f(zones, now);
        const std::vector<StripRow> strips = f.list.strips();
        for (std::size_t r = 0; r < strips.size(); ++r)
            QCOMPARE(f.awake(strips, r), columns);
    }

    // A column's tool tip is the moment it begins at each place, minutes and all, whatever the
    // minute of now; "Local" runs at UTC here.
    void stripToolTips_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("tips"); // local, Tokyo, Kathmandu, Lord Howe, Chatham
        const QDateTime tokyoMidnight = utcAt(2026, 6, 10, 15, 0);
        QTest::newRow("on the hour") << tokyoMidnight << 0
                                     << "Jun 10 15:00|Jun 11 00:00|Jun 10 20:45|Jun 11 01:30|"
                                        "Jun 11 03:45";
        QTest::newRow("into the hour") << tokyoMidnight.addSecs(35 * 60) << 0
                                       << "Jun 10 15:00|Jun 11 00:00|Jun 10 20:45|Jun 11 01:30|"
                                          "Jun 11 03:45";
        QTest::newRow("a day on") << tokyoMidnight.addSecs(50 * 60) << 23
                                  << "Jun 11 14:00|Jun 11 23:00|Jun 11 19:45|Jun 12 00:30|"
                                     "Jun 12 02:45";
    }
    void stripToolTips()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, column);
        QFETCH(QString, tips);
        Fixture f({"Asia/Tokyo", "Asia/Kathmandu", "Australia/Lord_Howe", "Pacific/Chatham"}, now);
        QStringList got;
        for (const StripRow& row : f.list.strips())
            got << row[std::size_t(column)].toolTip;
        QCOMPARE(got.join(u'|'), tips);
    }

    // A country's weekend from its week data, Monday first.
    void workingDays_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("days");
        QTest::newRow("Germany") << "Europe/Berlin"
                                 << "#####..";
        QTest::newRow("Israel") << "Asia/Jerusalem"
                                << "####..#";
        QTest::newRow("Iran") << "Asia/Tehran"
                              << "####.##";
        QTest::newRow("no country") << "Etc/UTC"
                                    << "#####..";
    }
    void workingDays()
    {
        QFETCH(QString, zone);
        QFETCH(QString, days);
        const WorkWeek week = WorkWeek::ofZone(zone.toLatin1());
        QString got;
        for (QDate d(2026, 6, 8); d.dayOfWeek() != Qt::Monday || got.isEmpty(); d = d.addDays(1))
            got += week.isWorkday(d) ? u'#' : u'.';
        QCOMPARE(got, days);
    }

    // N looks at the next half hour when everyone is at work, Shift+N at the one before.
    void nextCommonHour_data()
    {
        QTest::addColumn<QStringList>("zones");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QString>("found"); // UTC, or empty
        const QStringList berlinNy{"Europe/Berlin", "America/New_York"};
        const QDateTime wed = utcAt(2026, 6, 10, 0, 10);
        QTest::newRow("ahead") << berlinNy << wed << true << "Wed 13:00";
        QTest::newRow("back") << berlinNy << wed << false << "Tue 15:30";
        QTest::newRow("from within") << berlinNy << wed.addSecs(13 * 3600) << true << "Wed 13:30";
        // Tel Aviv's Friday and Sunday are off for one or the other.
        QTest::newRow("over a weekend") << QStringList{"Asia/Jerusalem", "Europe/Berlin"}
                                        << utcAt(2026, 6, 12, 0, 10) << true << "Mon 09:00";
        QTest::newRow("never") << QStringList{"Asia/Tokyo", "America/Los_Angeles"} << wed << true
                               << "";
    }
    void nextCommonHour()
    {
        QFETCH(QStringList, zones);
        QFETCH(QDateTime, now);
        QFETCH(bool, forward);
        QFETCH(QString, found);
        Fixture f(zones, now);
        QCOMPARE(f.list.lookAtCommonHour(forward), !found.isEmpty());
        QCOMPARE(f.list.isLooking(), !found.isEmpty());
        if (f.list.isLooking())
            QCOMPARE(QLocale(QLocale::English).toString(f.list.moment(), "ddd HH:mm"), found);
    }

    // "Clock12" turns every row and copied line to the locale's 12 hours; the strips keep 0-23.
    void twelveHourTimes_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QTime>("utc");
        QTest::addColumn<QString>("times"); // Local (UTC), then Tokyo (UTC+9)
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        const QLocale ja(QLocale::Japanese, QLocale::Japan);
        QTest::newRow("en evening") << en << QTime(21, 5) << "9:05 PM 6:05 AM";
        QTest::newRow("en midnight, noon") << en << QTime(3, 0) << "3:00 AM 12:00 PM";
        QTest::newRow("en noon, night") << en << QTime(12, 0) << "12:00 PM 9:00 PM";
        QTest::newRow("ja evening") << ja << QTime(21, 5) << "午後9:05 午前6:05";
        QTest::newRow("ja midnight") << ja << QTime(15, 0) << "午後3:00 午前12:00";
        QTest::newRow("en-GB takes AM/PM after")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << QTime(21, 5)
            << "9:05 PM 6:05 AM";
    }
    void twelveHourTimes()
    {
        QFETCH(QLocale, locale);
        QFETCH(QTime, utc);
        QFETCH(QString, times);
        Fixture f({"Asia/Tokyo"}, QDateTime(QDate(2026, 6, 10), utc, Qt::UTC));
        ListClock list(f.store, f.clock, locale);
        list.start();
        QVERIFY(HourCycles::save(f.store, HourCycle::Twelve));
        QStringList shown;
        const ListClock::Tick t = list.tick();
        for (const RowText& r : t.rows)
            shown << r.time.trimmed();
        QCOMPARE(shown.join(u' '), times);
        QVERIFY(list.momentLines()[1].contains(shown[1] + " (UTC+9)"));
        QCOMPARE((*t.strips)[1][0].cell.hour, (utc.hour() + 9) % 24);
        QVERIFY(HourCycles::save(f.store, HourCycle::TwentyFour));
        QCOMPARE(list.tick().rows[0].time.trimmed(), utc.toString("HH:mm"));
    }

    // What leaves the clock: the lines to copy, and the same as a calendar event.
    void momentToShare()
    {
        Fixture f({"Asia/Tokyo", "Asia/Kathmandu", "America/St_Johns"}, utcAt(2026, 6, 9, 21, 7));
        f.list.step(3, Step::Hour);
        QCOMPARE(f.list.momentLines(),
                 QStringList({"Local  Wed 10 Jun 2026 00:07 (UTC+0)",
                              "Asia/Tokyo  Wed 10 Jun 2026 09:07 (UTC+9)",
                              "Asia/Kathmandu  Wed 10 Jun 2026 05:52 (UTC+5:45)",
                              "America/St_Johns  Tue 9 Jun 2026 21:37 (UTC-2:30)"}));
        CalendarEvent event = f.list.momentEvent();
        QCOMPARE(event.description, f.list.momentLines().join(u'\n'));
        event.summary = QStringLiteral("a;b,c\\d\r\ne");
        // A wide letter that would straddle the 75th octet goes to the next line whole.
        event.description = QString(62, u'x') + QString(30, u'Ａ');
        event.uid = QStringLiteral("u1");
        const QStringList lines =
            QString::fromUtf8(event.toICalendar()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(5, 7),
                 QStringList({"UID:u1", "DTSTAMP:20260609T210700Z", "DTSTART:20260610T000700Z",
                              "DTEND:20260610T010700Z", "SUMMARY:a\\;b\\,c\\\\d\\ne",
                              "DESCRIPTION:" + QString(62, u'x'), " " + QString(24, u'Ａ')}));
        QCOMPARE(lines.mid(12),
                 QStringList({" " + QString(6, u'Ａ'), "END:VEVENT", "END:VCALENDAR", ""}));
        for (const QString& l : lines)
            QVERIFY(l.toUtf8().size() <= 75);
    }

    void workingHoursFromTheStore()
    {
        Fixture f({"Europe/Oslo"}, utcAt(2026, 6, 10, 5, 10));
        QVERIFY(f.store.set(StoreKeys::WorkStart, 7 * 60));
        QVERIFY(f.store.set(StoreKeys::WorkEnd, 10 * 60 + 30)); // UTC 07-10:29, Oslo 05-08:29 UTC
        QVERIFY(f.store.set(StoreKeys::Change, 1));
        QCOMPARE(f.awake(*f.list.tick().strips), "..##....................");
        // Oslo's own hours, 09:00 to 13:00 there, 07-10:59 UTC.
        QVERIFY(f.list.setWorkingHours(1, WorkingHours::Span{9 * 60, 13 * 60}));
        QCOMPARE(f.awake(*f.list.tick().strips), "..####..................");
        QVERIFY(f.list.setWorkingHours(1, std::nullopt)); // the common ones again
        QCOMPARE(f.awake(*f.list.tick().strips), "..##....................");
        QVERIFY(f.store.set(StoreKeys::WorkEnd, 7 * 60)); // no hours at all
        QVERIFY(f.store.set(StoreKeys::Change, 1));
        QCOMPARE(f.awake(*f.list.tick().strips), "........................");
        // A place tied to windows: its word trimmed, with "Change" for the rotating clocks.
        QVERIFY(f.list.setShowWhile(1, QStringLiteral(" Yuki ")));
        QCOMPARE(f.store.get(StoreKeys::ShowWhile, 0, StoreReader::Clocks), "Yuki");
        QCOMPARE(f.store.get(StoreKeys::Change, StoreReader::Clocks), 1);
    }

    // The strips follow the present: new places at once, and every turned hour.
    void stripsAfterAReloadAndAcrossAnHour()
    {
        Fixture f({"Asia/Tokyo"}, utcAt(2026, 6, 10, 3, 50));
        QCOMPARE((*f.list.tick().strips)[1][0].cell.hour, 12);
        f.setNow(utcAt(2026, 6, 10, 3, 51));
        QVERIFY(!f.list.tick().strips); // nothing turned: nothing to paint
        QVERIFY(f.store.set(StoreKeys::TZ, 0, QStringLiteral("Europe/Oslo")));
        QVERIFY(f.store.set(StoreKeys::Change, 1));
        ListClock::Tick t = f.list.tick();
        QCOMPARE((*t.strips)[1][0].toolTip, "Jun 10 05:00");
        f.setNow(utcAt(2026, 6, 10, 4, 0, 1));
        t = f.list.tick();
        QCOMPARE((*t.strips)[0][0].cell.hour, 4);
        QCOMPARE((*t.strips)[1][0].cell.hour, 6);
        // A look frames its column in every row, or starts the strips at it outside them.
        f.list.step(5, Step::Hour);
        t = f.list.tick();
        QVERIFY((*t.strips)[1][5].looked && (*t.strips)[0][5].looked);
        f.list.step(-6, Step::Hour);
        t = f.list.tick();
        QVERIFY((*t.strips)[1][0].looked);
        QCOMPARE((*t.strips)[1][0].cell.hour, 5);
    }
};

QTEST_GUILESS_MAIN(TestLookAhead)

#include "tst_lookahead.moc"
