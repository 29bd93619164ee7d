#include "FakeClock.h"
#include "IniFileBackend.h"
#include "PlaceReload.h"
#include "PlaceTable.h"
#include "PlaceTime.h"
#include "SettingsStore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

namespace {

QDateTime utcAt(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

// The same sum done with the standard library's civil calendar, as a second opinion.
std::chrono::sys_seconds referencePlaceTime(int y, unsigned mo, unsigned d, int h, int mi, int s,
                                            int hours, int minutes)
{
    using namespace std::chrono;
    const sys_days date = year{y} / month{mo} / day{d};
    return date + std::chrono::hours{h} + std::chrono::minutes{mi} + std::chrono::seconds{s} +
           std::chrono::hours{hours} + std::chrono::minutes{minutes};
}
} // namespace

class TestPlaceTime : public QObject {
    Q_OBJECT

private slots:
    void snapshotDropsMilliseconds()
    {
        FakeClock clock;
        clock.utc = QDateTime(QDate(2026, 3, 1), QTime(23, 59, 59, 999), Qt::UTC);
        clock.local = QDateTime(QDate(2026, 3, 2), QTime(8, 59, 59, 999), Qt::LocalTime);
        const ClockReading now = PlaceTime::snapshot(clock);
        QCOMPARE(now.utc, utcAt(2026, 3, 1, 23, 59, 59));
        QCOMPARE(now.local, QDateTime(QDate(2026, 3, 2), QTime(8, 59, 59), Qt::LocalTime));
    }

    void placeDateTimeCarriesTheCalendar_data()
    {
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("new year") << utcAt(1998, 12, 31, 23, 30, 0) << 9 << 0
                                  << utcAt(1999, 1, 1, 8, 30, 0);
        QTest::newRow("+4:30") << utcAt(2026, 6, 1, 10, 0, 0) << 5 << -30
                               << utcAt(2026, 6, 1, 14, 30, 0);
        QTest::newRow("day before")
            << utcAt(2026, 6, 1, 3, 0, 0) << -5 << 0 << utcAt(2026, 5, 31, 22, 0, 0);
        QTest::newRow("+9:30") << utcAt(2026, 6, 1, 14, 45, 5) << 9 << 30
                               << utcAt(2026, 6, 2, 0, 15, 5);
        QTest::newRow("+5:45") << utcAt(2026, 6, 1, 18, 15, 0) << 6 << -15
                               << utcAt(2026, 6, 2, 0, 0, 0);
        QTest::newRow("leap day") << utcAt(2024, 2, 28, 20, 0, 0) << 13 << 0
                                  << utcAt(2024, 2, 29, 9, 0, 0);
        QTest::newRow("no leap day in 2100")
            << utcAt(2100, 2, 28, 20, 0, 0) << 13 << 0 << utcAt(2100, 3, 1, 9, 0, 0);
        QTest::newRow("back over new year")
            << utcAt(2000, 1, 1, 0, 0, 0) << -13 << 0 << utcAt(1999, 12, 31, 11, 0, 0);
        QTest::newRow("minutes borrow an hour")
            << utcAt(2026, 3, 1, 0, 10, 0) << 0 << -30 << utcAt(2026, 2, 28, 23, 40, 0);
    }

    void placeDateTimeCarriesTheCalendar()
    {
        QFETCH(QDateTime, utc);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(QDateTime, expected);
        QCOMPARE(PlaceTime::placeDateTime(utc, Place{{}, hours, minutes}), expected);
    }

    void placeDateTimeAgreesWithTheCivilCalendar()
    {
        const QList<QPair<int, int>> offsets = {{5, -30}, {9, 30},   {6, -15}, {4, -30}, {0, 0},
                                                {-9, 0},  {-3, -30}, {13, 0},  {-13, 0}, {12, 45}};
        QRandomGenerator rng(20261207);
        const qint64 from = utcAt(1900, 1, 1, 0, 0, 0).toSecsSinceEpoch();
        const qint64 to = utcAt(2100, 12, 31, 23, 59, 59).toSecsSinceEpoch();
        QList<QDateTime> instants;
        for (int i = 0; i < 4000; ++i)
            instants << QDateTime::fromSecsSinceEpoch(
                from + qint64(rng.generateDouble() * double(to - from)), Qt::UTC);
        // Ends of months, years and leap days, where carries happen.
        for (int y : {1900, 1999, 2000, 2023, 2024, 2099, 2100})
            for (int m = 1; m <= 12; ++m) {
                const QDate last = QDate(y, m, 1).addMonths(1).addDays(-1);
                instants << QDateTime(last, QTime(23, 59, 59), Qt::UTC)
                         << QDateTime(QDate(y, m, 1), QTime(0, 0, 0), Qt::UTC);
            }
        QList<QPair<int, int>> all = offsets;
        for (int h = -13; h <= 13; ++h)
            all << QPair<int, int>{h, 0};
        for (const QDateTime& utc : instants) {
            for (const auto& [hours, minutes] : all) {
                const QDate d = utc.date();
                const QTime t = utc.time();
                const auto ref =
                    referencePlaceTime(d.year(), unsigned(d.month()), unsigned(d.day()), t.hour(),
                                       t.minute(), t.second(), hours, minutes);
                const QDateTime got = PlaceTime::placeDateTime(utc, Place{{}, hours, minutes});
                QCOMPARE(got.toSecsSinceEpoch(), qint64(ref.time_since_epoch().count()));
                const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(ref)};
                QCOMPARE(got.date().day(), int(unsigned(ymd.day())));
                QCOMPARE(got.date().month(), int(unsigned(ymd.month())));
            }
        }
    }

    void textsHaveTheirPatterns()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QDateTime dt = utcAt(1999, 1, 1, 8, 30, 59);
        QCOMPARE(PlaceTime::dateText(dt, english), QStringLiteral("Jan 01 "));
        QCOMPARE(PlaceTime::timeText(dt), QStringLiteral("08:30 "));
        QCOMPARE(PlaceTime::dateText(utcAt(2026, 12, 25, 0, 0, 0), english),
                 QStringLiteral("Dec 25 "));
        QCOMPARE(PlaceTime::timeText(utcAt(2026, 12, 25, 23, 5, 0)), QStringLiteral("23:05 "));
        // The month is the locale's own abbreviation.
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        QCOMPARE(PlaceTime::dateText(dt, japanese),
                 japanese.monthName(1, QLocale::ShortFormat) + QStringLiteral(" 01 "));
        QVERIFY(PlaceTime::dateText(dt, japanese) != PlaceTime::dateText(dt, english));
    }

    void highlights()
    {
        const auto at = [](int h) { return utcAt(2026, 5, 10, h, 0, 0); };
        QVERIFY(!PlaceTime::nightHighlight(at(20)));
        QVERIFY(PlaceTime::nightHighlight(at(21)));
        QVERIFY(PlaceTime::nightHighlight(at(6)));
        QVERIFY(!PlaceTime::nightHighlight(at(7)));
        QVERIFY(PlaceTime::nightHighlight(at(0)));
        QVERIFY(PlaceTime::nightHighlight(at(23)));

        // Only the day numbers are compared: the same day of another month is not highlighted.
        const QDateTime local(QDate(2026, 5, 10), QTime(12, 0), Qt::LocalTime);
        QVERIFY(!PlaceTime::dateHighlight(utcAt(2026, 5, 10, 1, 0, 0), local));
        QVERIFY(PlaceTime::dateHighlight(utcAt(2026, 5, 11, 1, 0, 0), local));
        QVERIFY(!PlaceTime::dateHighlight(utcAt(2026, 6, 10, 1, 0, 0), local));
    }

    void rowsFromOneSnapshot()
    {
        const QLocale c = QLocale::c();
        const ClockReading now{utcAt(2026, 1, 1, 16, 0, 0),
                               QDateTime(QDate(2026, 1, 1), QTime(16, 0), Qt::LocalTime)};
        const RowText tokyo = PlaceTime::placeRow(Place{QStringLiteral("Tokyo"), 9, 0}, now, c);
        QCOMPARE(tokyo, (RowText{QStringLiteral("Jan 02 "), QStringLiteral("01:00 "),
                                 QStringLiteral("Tokyo"), true, true}));
        const RowText japanDefault =
            PlaceTime::placeRow(Place{QStringLiteral("Japan"), -9, 0}, now, c);
        QCOMPARE(japanDefault.time, QStringLiteral("07:00 "));
        QVERIFY(!japanDefault.nightHighlight);
        QVERIFY(!japanDefault.dateHighlight);

        const QDateTime lateLocal(QDate(2026, 1, 1), QTime(23, 59), Qt::LocalTime);
        QCOMPARE(PlaceTime::localRow({now.utc, lateLocal}, c),
                 (RowText{QStringLiteral("Jan 01 "), QStringLiteral("23:59 "),
                          QStringLiteral("Local"), false, false}));
    }

    void tableLoadsWithDefaultsAndClamps()
    {
        QTemporaryDir dir;
        SettingsStore store(
            std::make_unique<IniFileBackend>(dir.filePath(QStringLiteral("s.conf"))));
        PlaceTable table;
        table.load(store);
        QCOMPARE(table.plcCount, 1);
        // Japan's own offset, not nine hours behind UTC.
        QCOMPARE(table.places[0], (Place{QStringLiteral("Japan"), 9, 0}));
        QCOMPARE(table.places[1], (Place{QStringLiteral("Japan"), 9, 0}));
        QCOMPARE(table.places[2], Place{});

        QVERIFY(store.set(StoreKeys::PlcCount, 2));
        QVERIFY(store.set(StoreKeys::WP, 0, QStringLiteral("Kabul")));
        QVERIFY(store.set(StoreKeys::WD, 0, 5));
        QVERIFY(store.set(StoreKeys::WDM, 0, -30));
        QVERIFY(store.set(StoreKeys::WD, 2, 3));
        table.load(store);
        QCOMPARE(table.places[0], (Place{QStringLiteral("Kabul"), 5, -30}));
        QCOMPARE(table.places[0].offsetMinutes(), 270);
        QCOMPARE(table.places[2], (Place{QStringLiteral("Japan"), 3, 0}));

        // Fewer places later: the entries beyond keep what they held.
        QVERIFY(store.set(StoreKeys::PlcCount, 0));
        table.load(store);
        QCOMPARE(table.plcCount, 0);
        QCOMPARE(table.places[2].hours, 3);

        QVERIFY(store.set(StoreKeys::PlcCount, 9));
        table.load(store);
        QCOMPARE(table.plcCount, 5);
        QVERIFY(store.set(StoreKeys::PlcCount, -7));
        table.load(store);
        QCOMPARE(table.plcCount, -1);
    }

    void reloadOnlyOnExactlyOne()
    {
        QTemporaryDir dir;
        SettingsStore store(
            std::make_unique<IniFileBackend>(dir.filePath(QStringLiteral("s.conf"))));
        const FakeClock clock;
        PlaceReload reload(store, clock);
        QVERIFY(!reload.due());
        for (const char* v : {"2", "-1", "01x", "true"}) {
            QVERIFY(store.setText(StoreKeys::Change, QString::fromLatin1(v)));
            QVERIFY(!reload.due());
            QCOMPARE(store.text(StoreKeys::Change).value_or(QString()), QString::fromLatin1(v));
        }
        QVERIFY(store.set(StoreKeys::Change, 1));
        PlaceTable table;
        table.load(store); // a read, which leaves "Change" alone
        QCOMPARE(store.text(StoreKeys::Change).value_or(QString()), QStringLiteral("1"));
        QVERIFY(reload.due());
        QVERIFY(!reload.due());
        QCOMPARE(store.text(StoreKeys::Change).value_or(QString()), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestPlaceTime)
#include "tst_placetime.moc"
