#include "FifoGuard.h"
#include "IniFileBackend.h"
#include "PlaceTable.h"
#include "PlaceTime.h"
#include "SettingsStore.h"
#include "ZoneNames.h"
#include "ZoneOffset.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

QDateTime utcAt(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

Place zoned(const char* zone, int hours, int minutes = 0)
{
    return Place{QString::fromLatin1(zone), hours, minutes, false, ZoneOffset(zone)};
}

QString wallText(const Place& place, const QDateTime& utc)
{
    return PlaceTime::placeDateTime(utc, place).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace

class TestPlaceZones : public QObject {
    Q_OBJECT

private slots:
    // Both sides of the 2026 and 2027 changes in North America, Europe and Australia: the
    // wall clock one second before and at the instant of the change.
    void transitions_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("hours");
        QTest::addColumn<QDateTime>("change");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const char* zone, int hours, const QDateTime& change,
                            const char* before, const char* after) {
            QTest::newRow(name) << QByteArray(zone) << hours << change
                                << QString::fromLatin1(before) << QString::fromLatin1(after);
        };
        row("New York spring 2027", "America/New_York", -5, utcAt(2027, 3, 14, 7, 0, 0),
            "2027-03-14 01:59:59", "2027-03-14 03:00:00");
        row("New York spring 2026", "America/New_York", -5, utcAt(2026, 3, 8, 7, 0, 0),
            "2026-03-08 01:59:59", "2026-03-08 03:00:00");
        row("New York autumn 2026", "America/New_York", -5, utcAt(2026, 11, 1, 6, 0, 0),
            "2026-11-01 01:59:59", "2026-11-01 01:00:00");
        row("New York autumn 2027", "America/New_York", -5, utcAt(2027, 11, 7, 6, 0, 0),
            "2027-11-07 01:59:59", "2027-11-07 01:00:00");
        row("London spring 2026", "Europe/London", 0, utcAt(2026, 3, 29, 1, 0, 0),
            "2026-03-29 00:59:59", "2026-03-29 02:00:00");
        row("London autumn 2026", "Europe/London", 0, utcAt(2026, 10, 25, 1, 0, 0),
            "2026-10-25 01:59:59", "2026-10-25 01:00:00");
        row("London spring 2027", "Europe/London", 0, utcAt(2027, 3, 28, 1, 0, 0),
            "2027-03-28 00:59:59", "2027-03-28 02:00:00");
        row("London autumn 2027", "Europe/London", 0, utcAt(2027, 10, 31, 1, 0, 0),
            "2027-10-31 01:59:59", "2027-10-31 01:00:00");
        row("Sydney autumn 2026", "Australia/Sydney", 10, utcAt(2026, 4, 4, 16, 0, 0),
            "2026-04-05 02:59:59", "2026-04-05 02:00:00");
        row("Sydney spring 2026", "Australia/Sydney", 10, utcAt(2026, 10, 3, 16, 0, 0),
            "2026-10-04 01:59:59", "2026-10-04 03:00:00");
        row("Sydney autumn 2027", "Australia/Sydney", 10, utcAt(2027, 4, 3, 16, 0, 0),
            "2027-04-04 02:59:59", "2027-04-04 02:00:00");
        row("Sydney spring 2027", "Australia/Sydney", 10, utcAt(2027, 10, 2, 16, 0, 0),
            "2027-10-03 01:59:59", "2027-10-03 03:00:00");
    }

    void transitions()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, hours);
        QFETCH(QDateTime, change);
        QFETCH(QString, before);
        QFETCH(QString, after);
        // One place asked from a day before on, as a running clock asks it, and a fresh one
        // asked only at the two instants.
        const Place running = zoned(zone.constData(), hours);
        for (QDateTime t = change.addDays(-1); t < change.addSecs(-1); t = t.addSecs(1800))
            PlaceTime::placeDateTime(t, running);
        QCOMPARE(wallText(running, change.addSecs(-1)), before);
        QCOMPARE(wallText(running, change), after);
        QCOMPARE(wallText(zoned(zone.constData(), hours), change.addSecs(-1)), before);
        QCOMPARE(wallText(zoned(zone.constData(), hours), change), after);
        // And back again, as after the computer's clock was set back.
        QCOMPARE(wallText(running, change.addSecs(-1)), before);
    }

    void summerAndStandardSeasons()
    {
        const Place sydney = zoned("Australia/Sydney", 10);
        QCOMPARE(sydney.offsetSecondsAt(utcAt(2026, 1, 15, 0, 0, 0)), 11 * 3600);
        QCOMPARE(sydney.offsetSecondsAt(utcAt(2026, 7, 15, 0, 0, 0)), 10 * 3600);
        // Kolkata keeps +5:30 through every season of two years, asked hour by hour.
        const Place kolkata = zoned("Asia/Kolkata", 6, -30);
        for (QDateTime t = utcAt(2026, 1, 1, 0, 0, 0); t < utcAt(2028, 1, 1, 0, 0, 0);
             t = t.addSecs(3600))
            QCOMPARE(kolkata.offsetSecondsAt(t), 5 * 3600 + 30 * 60);
    }

    // A clock that runs for months asks ten times a second; what it remembers must never
    // give another offset than the zone itself, forwards or after a jump back.
    void runningClockAgreesWithTheZone()
    {
        for (const char* id : {"America/New_York", "Europe/London", "Australia/Sydney",
                               "Australia/Lord_Howe", "America/Santiago"}) {
            const Place place = zoned(id, 0);
            const QTimeZone zone(id);
            QDateTime t = utcAt(2026, 1, 1, 0, 0, 7);
            while (t < utcAt(2028, 1, 1, 0, 0, 0)) {
                QCOMPARE(place.offsetSecondsAt(t), zone.offsetFromUtc(t));
                t = t.addSecs(5413);
            }
            for (; t > utcAt(2026, 1, 1, 0, 0, 0); t = t.addSecs(-86400 * 11 - 17))
                QCOMPARE(place.offsetSecondsAt(t), zone.offsetFromUtc(t));
        }
    }

    void withoutAZoneTheStoredOffsetCounts()
    {
        const QDateTime july = utcAt(2026, 7, 1, 12, 0, 0);
        // No zone: the standard offset, summer or not, as before.
        QCOMPARE(wallText(Place{{}, -5, 0}, july), QStringLiteral("2026-07-01 07:00:00"));
        // The user's own summer hour.
        QCOMPARE(wallText(Place{{}, -5, 0, true}, july), QStringLiteral("2026-07-01 08:00:00"));
        QCOMPARE((Place{{}, 5, -30, true}).offsetMinutes(), 330);
        // An id the system does not know is no zone.
        const ZoneOffset unknown("Atlantis/Poseidonia");
        QVERIFY(!unknown.isValid());
        QVERIFY(!ZoneOffset(QByteArray()).isValid());
        QCOMPARE(wallText(Place{{}, 6, -15, false, unknown}, july),
                 QStringLiteral("2026-07-01 17:45:00"));
        QCOMPARE(wallText(Place{{}, -5, 0, true, unknown}, july),
                 QStringLiteral("2026-07-01 08:00:00"));
        // A zone decides alone: the summer hour is not added twice.
        QCOMPARE(wallText(Place{{}, -5, 0, true, ZoneOffset("America/New_York")}, july),
                 QStringLiteral("2026-07-01 08:00:00"));
    }

    // What the clocks load: "TZ" decides where it names a known zone, else "WD"/"WDM" and the
    // summer hour of "SA"; a store without those keys reads as before.
    void loadedFromTheStore()
    {
        QTemporaryDir dir;
        SettingsStore store(
            std::make_unique<IniFileBackend>(dir.filePath(QStringLiteral("s.conf"))));
        QVERIFY(store.set(StoreKeys::PlcCount, 3));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(store.set(StoreKeys::WP, i, QStringLiteral("New York")));
            QVERIFY(store.set(StoreKeys::WD, i, -5));
            QVERIFY(store.set(StoreKeys::WDM, i, 0));
        }
        PlaceTable table;
        table.load(store);
        const QDateTime july = utcAt(2026, 7, 1, 12, 0, 0);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(table.places[std::size_t(i)], (Place{QStringLiteral("New York"), -5, 0}));
            QCOMPARE(wallText(table.places[std::size_t(i)], july),
                     QStringLiteral("2026-07-01 07:00:00"));
        }
        QVERIFY(store.set(StoreKeys::SA, 1, 1));
        QVERIFY(store.set(StoreKeys::TZ, 2, QStringLiteral("America/New_York")));
        QVERIFY(store.set(StoreKeys::TZ, 3, QStringLiteral("America/Nowhere")));
        QVERIFY(store.set(StoreKeys::SA, 3, 1));
        QVERIFY(store.set(StoreKeys::SA, 0, 2)); // only "1" is the summer hour
        table.load(store);
        QCOMPARE(wallText(table.places[0], july), QStringLiteral("2026-07-01 07:00:00"));
        QCOMPARE(wallText(table.places[1], july), QStringLiteral("2026-07-01 08:00:00"));
        QCOMPARE(wallText(table.places[2], july), QStringLiteral("2026-07-01 08:00:00"));
        QCOMPARE(wallText(table.places[2], utcAt(2026, 1, 1, 12, 0, 0)),
                 QStringLiteral("2026-01-01 07:00:00"));
        QCOMPARE(wallText(table.places[3], july), QStringLiteral("2026-07-01 08:00:00"));
        QVERIFY(!table.places[3].zone.isValid());
        // Emptied again by the next save: back to the stored offset.
        QVERIFY(store.set(StoreKeys::TZ, 2, QString()));
        table.load(store);
        QVERIFY(!table.places[2].zone.isValid());
        QCOMPARE(wallText(table.places[2], july), QStringLiteral("2026-07-01 07:00:00"));
    }

    // The system opens a zone by name as a file under its zone folder: only names of its own
    // list pass. A path there to a FIFO would wait for a writer for good.
    void storedZoneNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        for (const char* name :
             {"America/New_York", "America/Argentina/Buenos_Aires", "America/Port-au-Prince",
              "Etc/GMT+5", "Etc/GMT-14", "UTC", "Etc/UTC", "Asia/Calcutta", "US/Eastern"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        QVERIFY(m_dir.isValid());
        const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString toFifo = QDir(QStringLiteral("/usr/share/zoneinfo")).relativeFilePath(fifo);
        for (const char* name :
             {"../../etc/passwd", "/proc/self/mem", "/usr/share/zoneinfo/UTC", "Asia/../Asia/Tokyo",
              "./UTC", "America//New_York", "America/New_York/", "America/New York", "Asia/Tokyo*",
              "UTC+09:00", "America/Nowhere", "tzdata.zi", "zone.tab", "posixrules", "right/UTC",
              "JST-9", "Asia/東京", ""})
            QTest::addRow("bad %s", name) << QString::fromUtf8(name) << false;
        QTest::newRow("a FIFO") << toFifo << false;
    }
    void storedZoneNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, known);
        QCOMPARE(ZoneNames::isKnown(name.toUtf8()), known);
        SettingsStore store(
            std::make_unique<IniFileBackend>(m_dir.filePath(QStringLiteral("s.conf"))));
        QVERIFY(store.set(StoreKeys::PlcCount, 0));
        QVERIFY(store.set(StoreKeys::TZ, 0, name));
        PlaceTable table;
        {
            const FifoGuard guard({m_dir.filePath(QStringLiteral("fifo"))});
            table.load(store);
            QVERIFY2(!guard.fired(), "the zone's name was opened as a file");
        }
        QCOMPARE(table.places[0].zone.isValid(), known);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestPlaceZones)
#include "tst_placezones.moc"
