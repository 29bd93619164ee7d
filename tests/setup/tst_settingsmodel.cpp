// The settings logic with the real world database, a clock of the test's own and a store in
// memory that records every write: conversions between the four lists, slots, the summer
// decision and its period, the texts, and what OK and Cancel write and start.
#include "FakeClock.h"
#include "IniFileBackend.h"
#include "PlaceReload.h"
#include "PlaceTable.h"
#include "RecordingBackend.h"
#include "RecordingStarter.h"
#include "SettingsModel.h"
#include "SettingsStore.h"
#include "SummerRule.h"
#include "WorldDb.h"
#include "ZoneOffset.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const WorldDb& db()
{
    static const WorldDb instance;
    return instance;
}

// An English city whose country entry has the summer code (the data decides which places
// observe summer time; the tests only need one of each kind), one with a minute part in its
// offset where there is one.
const City& cityWithCode(int code, bool preferMinutes = false)
{
    for (bool minutes : {preferMinutes, false}) {
        for (int r = 1; r < db().rowCount(WorldTable::lstCityName); ++r) {
            const CountryEntry& e = db().country(db().countryRow(db().city(r).coNo));
            if (int(e.summer) == code && (!minutes || e.minutes != 0))
                return db().city(r);
        }
    }
    qFatal("no city of summer code %d", code);
}

// The country entry whose cities disagree on summer time: picked as an entry, the user decides.
const CountryEntry& undeterminedEntry()
{
    for (int r = 1; r < db().rowCount(WorldTable::lstCountryName); ++r) {
        if (db().country(r).summer == SummerCode::Undetermined)
            return db().country(r);
    }
    qFatal("no undetermined entry");
}

const CountryEntry& entryOf(const City& city)
{
    return db().country(db().countryRow(city.coNo));
}

QDateTime at(int y, int mo, int d, int h = 12, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

// A computer at UTC+9 whose clock moves on a minute at every reading, so that UTC and local time
// read one after the other name different minutes.
class SteppingClock final : public Clock {
public:
    ClockReading now() const override
    {
        ClockReading reading{m_utc, m_utc.addSecs(9 * 3600)};
        m_utc = m_utc.addSecs(60);
        return reading;
    }
    double seconds() const override { return 0; }

private:
    mutable QDateTime m_utc = at(2026, 1, 15);
};

// A model on a store in memory; set the store up with `store` before calling load().
struct Fixture {
    RecordingBackend* backend = new RecordingBackend;
    SettingsStore store{std::unique_ptr<StoreBackend>(backend)};
    FakeClock clock;
    SettingsModel model{db(), store, clock};
    QTemporaryDir noPrograms;

    explicit Fixture(const QDateTime& now = at(2026, 7, 15))
    {
        clock.utc = now;
        clock.local = now;
        QVERIFY(store.set(StoreKeys::Start, 1));
    }
    void load()
    {
        backend->writes.clear();
        model.load();
    }
    // OK with no display to start: everything is saved, "Start" goes back to "0".
    void ok()
    {
        RecordingStarter starter;
        backend->rounds = 0;
        QVERIFY(model.accept(starter, noPrograms.path() + '/', QString()).has_value());
    }
    int row(const QString& wanted) const
    {
        for (int r = 0; r < model.rowCount(model.pickList()); ++r) {
            if (model.rowText(model.pickList(), r) == wanted)
                return r;
        }
        qFatal("no row %s", qPrintable(wanted));
    }
    void pickIn(int slot, const QString& name)
    {
        model.selectSlot(slot);
        model.pick(row(name));
    }
    // The list row a slot holds, as the user sees it: the slot's button clicked, its list row.
    int shownRow(int slot)
    {
        model.selectSlot(slot);
        return model.selectedRow();
    }
    // A slot's time at the next tick.
    QString shownTime(int slot)
    {
        model.tick();
        return model.slot(slot).time;
    }
    QStringList dataWrites() const
    {
        QStringList out;
        for (const QString& w : backend->writes) {
            if (!w.startsWith(QLatin1String("Settings/Start")))
                out << w;
        }
        return out;
    }
};

} // namespace

class TestSettingsModel : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreOpensOnBergenAndSavesIt();
    void languageRoundTripsEveryRow();
    void cityCountryConversionsTakeRepresentativeCities();
    void slotsBeyondThePlaceCountAndTheNoneRow();
    void summerFollowsTheZone();
    void everyCodeOneSlotIsDecidedAtEachRedraw();
    void slotTimesAgreeWithTheClocks();
    void zonesAreSavedForCodesZeroAndOne();
    void pickDecidesOnlyThePickedSlot();
    void savedSummerHourSurvivesReopening();
    void manualSummerSwitch();
    void okPacksSlotsAndWritesInOrder();
    void cancelStartsTheShownStyle();
    void failedStartClearsStart();
    void okKilledAnywhereLeavesOldOrNewPlaces();
    void everyCityShowsItsZonesTime();
    void runningClockTakesNewPlacesOnce();
    void texts();
    void intervalOutsideOneToTenReadsAsOne();
    void placeTimesAndDetails();
    void localOffsetFromOneReading();
    void damagedStoreRows();
    void foundPlacesAndOwnNamesSavedAndReadBack();
};

void TestSettingsModel::emptyStoreOpensOnBergenAndSavesIt()
{
    Fixture f;
    f.load();
    QCOMPARE(f.model.pickList(), PickList::CityEnglish);
    QCOMPARE(f.model.slot(0).name, QStringLiteral("Bergen"));
    QCOMPARE(f.model.selectedRow(), 45);
    QCOMPARE(f.model.styleCaption(), QStringLiteral("Independence"));
    QCOMPARE(f.model.intervalCaption(), QStringLiteral(" 1 Sec."));
    QCOMPARE(f.model.checkedSlot(), 0);
    QVERIFY(f.backend->writes.isEmpty()); // opening writes nothing
    QCOMPARE(f.model.slot(0).time, QStringLiteral("24:00"));
    QCOMPARE(f.model.slot(1).time, QString());

    f.ok();
    const QStringList expected{"Settings/JE=1",   "Settings/SelectPattern=1",
                               "Settings/Kind=1", "Data/CT=1",
                               "Data/PlcCount=0", "Data/No0=45",
                               "Data/No1=0",      "Data/No2=0",
                               "Data/No3=0",      "Data/No4=0",
                               "Data/No5=0",      "Data/SA0=1", // Norway's July
                               "Data/SA1=0",      "Data/SA2=0",
                               "Data/SA3=0",      "Data/SA4=0",
                               "Data/SA5=0",      "Data/WP0=Bergen",
                               "Data/WP1=",       "Data/WP2=",
                               "Data/WP3=",       "Data/WP4=",
                               "Data/WP5=",       "Data/WD0=1",
                               "Data/WDM0=0",     "Data/WD1=9",
                               "Data/WDM1=0",     "Data/WD2=9",
                               "Data/WDM2=0",     "Data/WD3=9",
                               "Data/WDM3=0",     "Data/WD4=9",
                               "Data/WDM4=0",     "Data/WD5=9",
                               "Data/WDM5=0",     "Data/TZ0=Europe/Oslo",
                               "Data/TZ1=",       "Data/TZ2=",
                               "Data/TZ3=",       "Data/TZ4=",
                               "Data/TZ5=",       "Data/Name0=",
                               "Data/Zone0=",     "Data/Name1=",
                               "Data/Zone1=",     "Data/Name2=",
                               "Data/Zone2=",     "Data/Name3=",
                               "Data/Zone3=",     "Data/Name4=",
                               "Data/Zone4=",     "Data/Name5=",
                               "Data/Zone5=",     "Data/Change=1"};
    QCOMPARE(f.dataWrites(), expected);
}

void TestSettingsModel::languageRoundTripsEveryRow()
{
    // Every row of every list, six at a time, goes to the other language and back unchanged.
    for (int pattern : {0, 1}) {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::SelectPattern, qint16(pattern)));
        QVERIFY(f.store.set(StoreKeys::PlcCount, 5));
        f.load();
        const PickList english = f.model.pickList();
        const int rows = f.model.rowCount(english);
        for (int first = 0; first < rows; first += 6) {
            for (int n = 0; n < 6; ++n) {
                f.model.selectSlot(n);
                f.model.pick((first + n) % rows);
            }
            QStringList before;
            for (int n = 0; n < 6; ++n)
                before << f.model.slot(n).name;
            f.model.switchLanguage(0);
            for (int n = 0; n < 6; ++n) {
                const int r = (first + n) % rows;
                // The Japanese row names the same entry or city.
                if (pattern == 0)
                    QCOMPARE(db().countryJ(f.shownRow(n)).coNo, db().country(r).coNo);
                else
                    QCOMPARE(db().cityJ(f.shownRow(n)).ciNo, db().city(r).ciNo);
            }
            f.model.switchLanguage(1);
            for (int n = 0; n < 6; ++n)
                QCOMPARE(f.shownRow(n), (first + n) % rows);
        }
    }
}

void TestSettingsModel::cityCountryConversionsTakeRepresentativeCities()
{
    Fixture f;
    QVERIFY(f.store.set(StoreKeys::PlcCount, 3));
    f.load();
    f.pickIn(0, "Osaka");
    f.pickIn(1, "New York");
    f.pickIn(2, "Chicago");
    f.pickIn(3, "Darwin");
    f.model.switchSelectPattern(0);
    QCOMPARE(f.model.pickList(), PickList::CountryEnglish);
    QCOMPARE(f.model.slot(0).name, QStringLiteral("Japan"));
    QCOMPARE(f.model.slot(1).name, QStringLiteral("USA(Eastern)"));
    QCOMPARE(f.model.slot(3).name, QStringLiteral("Australia(N.T.)"));
    f.model.switchSelectPattern(1);
    QCOMPARE(f.model.slot(0).name, QStringLiteral("Tokyo"));
    QCOMPARE(f.model.slot(1).name, QStringLiteral("Washington"));
    QCOMPARE(f.model.slot(2).name, QStringLiteral("Chicago"));
    QCOMPARE(f.model.slot(3).name, QStringLiteral("Darwin"));

    // In Japanese, a country goes to its representative city and back to itself, every row.
    f.model.switchLanguage(0);
    f.model.switchSelectPattern(0);
    QCOMPARE(f.model.pickList(), PickList::CountryJapanese);
    for (int j = 0; j < db().rowCount(WorldTable::lstCountryNameJ); ++j) {
        f.model.selectSlot(0);
        f.model.pick(j);
        f.model.switchSelectPattern(1);
        const City& city = db().cityJ(f.shownRow(0));
        QCOMPARE(city.ciNo, db().country(db().countryRow(db().countryJ(j).coNo)).cityNo);
        f.model.switchSelectPattern(0);
        QCOMPARE(f.shownRow(0), j);
    }
    // Choosing the option that is on already changes nothing.
    const int before = f.shownRow(0);
    f.model.switchSelectPattern(0);
    f.model.switchLanguage(0);
    QCOMPARE(f.shownRow(0), before);
}

void TestSettingsModel::slotsBeyondThePlaceCountAndTheNoneRow()
{
    Fixture f;
    QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
    QVERIFY(f.store.set(StoreKeys::No, 1, 100));
    QVERIFY(f.store.set(StoreKeys::No, 3, 130)); // left beyond the count by an earlier save
    f.load();
    f.model.selectSlot(4);
    QCOMPARE(f.model.checkedSlot(), 4);
    QVERIFY(!f.model.slot(4).filled);
    QVERIFY(!f.model.slot(2).filled);
    QCOMPARE(f.model.selectedRow(), 0);

    // The none row empties a slot; the count stays until OK recounts.
    f.model.selectSlot(1);
    QCOMPARE(f.model.selectedRow(), 100);
    f.model.pick(0);
    QVERIFY(!f.model.slot(1).filled);
    QCOMPARE(f.model.slot(1).name, QString());
    QCOMPARE(f.model.slot(1).mark, SummerMark::Hidden);
    // Slot 3 is inside the count that slot 4 raised: selecting it keeps its place.
    QCOMPARE(f.shownRow(3), 130);
    f.model.pick(0);
    f.ok();
    QCOMPARE(f.store.getOr(StoreKeys::PlcCount, 9), 0);
    QCOMPARE(f.store.text(StoreKeys::WP, 0).value_or("?"), QStringLiteral("Bergen"));

    // Nothing chosen at all: -1.
    f.model.selectSlot(0);
    f.model.pick(0);
    f.ok();
    QCOMPARE(f.store.getOr(StoreKeys::PlcCount, 9), -1);
}

void TestSettingsModel::summerFollowsTheZone()
{
    const auto entry = [](const char* name) -> const CountryEntry& {
        for (int r = 1; r < db().rowCount(WorldTable::lstCountryName); ++r) {
            if (db().country(r).name == QLatin1String(name))
                return db().country(r);
        }
        qFatal("no entry %s", name);
    };
    const auto zoneOf = [](const char* name) {
        for (int r = 1; r < db().rowCount(WorldTable::lstCountryName); ++r) {
            if (db().country(r).name == QLatin1String(name))
                return ZoneOffset(SummerRule::zoneId(db().country(r), db().timeZone(r)));
        }
        return ZoneOffset();
    };
    const CountryEntry& newYork = entry("USA(Eastern)");
    const CountryEntry& london = entry("United Kingdom");
    const CountryEntry& adelaide = entry("Australia(W.A.)");
    const ZoneOffset ny = zoneOf("USA(Eastern)");
    const ZoneOffset uk = zoneOf("United Kingdom");
    const ZoneOffset sa = zoneOf("Australia(W.A.)");
    // Exactly at the changes, whatever the slot held and whether it was just picked.
    QCOMPARE(SummerRule::decide(newYork.summer, newYork, ny, 1, false, at(2026, 3, 8, 6, 59, 59)),
             0);
    QCOMPARE(SummerRule::decide(newYork.summer, newYork, ny, 0, true, at(2026, 3, 8, 7, 0, 0)), 1);
    QCOMPARE(SummerRule::decide(london.summer, london, uk, 0, false, at(2026, 10, 25, 0, 59, 59)),
             1);
    QCOMPARE(SummerRule::decide(london.summer, london, uk, 1, false, at(2026, 10, 25, 1, 0, 0)), 0);
    // The southern summer: Adelaide in January, not in July.
    QCOMPARE(SummerRule::decide(adelaide.summer, adelaide, sa, 0, false, at(2026, 1, 15)), 1);
    QCOMPARE(SummerRule::decide(adelaide.summer, adelaide, sa, 1, false, at(2026, 7, 15)), 0);
    // Code 0 is never "1"; code 2 keeps the user's switch, off for a new pick, and has no zone.
    const CountryEntry& unknown = entryOf(cityWithCode(2));
    QVERIFY(SummerRule::zoneId(unknown, QStringLiteral("Australia/Sydney")).isEmpty());
    QCOMPARE(SummerRule::zoneId(newYork, QStringLiteral("America/New_York")),
             QByteArray("America/New_York"));
    QCOMPARE(SummerRule::decide(unknown.summer, unknown, ZoneOffset(), 1, false, at(2026, 7, 1)),
             1);
    QCOMPARE(SummerRule::decide(unknown.summer, unknown, ZoneOffset(), 1, true, at(2026, 7, 1)), 0);
    QCOMPARE(SummerRule::decide(entry("Japan").summer, entry("Japan"), zoneOf("Japan"), 1, false,
                                at(2026, 7, 1)),
             0);
}

void TestSettingsModel::everyCodeOneSlotIsDecidedAtEachRedraw()
{
    // 20 March: New York keeps summer time, London not yet (the old April window had neither).
    Fixture f(at(2026, 3, 20));
    QVERIFY(f.store.set(StoreKeys::PlcCount, 3));
    QVERIFY(f.store.set(StoreKeys::SelectPattern, qint16(0)));
    f.load();
    f.pickIn(0, "USA(Eastern)");
    f.pickIn(1, "United Kingdom");
    QVERIFY(f.model.slot(0).summer);
    QCOMPARE(f.shownTime(0), QStringLiteral("08:00"));
    QVERIFY(!f.model.slot(1).summer);
    // The user switches only undetermined places; New York's mark follows its zone.
    f.model.toggleSummer(0);
    QVERIFY(f.model.slot(0).summer);
    const CountryEntry& unknown = undeterminedEntry();
    f.pickIn(2, unknown.name);
    QVERIFY(!f.model.slot(2).summer);
    f.model.toggleSummer(2);
    QVERIFY(f.model.slot(2).summer);

    // 30 October: London is back at standard time, New York not yet; both are decided on the
    // next redraw, not only the slot picked. The undetermined place keeps the user's "+1".
    f.clock.utc = at(2026, 10, 30);
    f.clock.local = f.clock.utc;
    f.pickIn(3, "Japan");
    QVERIFY(f.model.slot(0).summer);
    QVERIFY(!f.model.slot(1).summer);
    QVERIFY(!f.model.slot(1).summer);
    QCOMPARE(f.model.slot(1).mark, SummerMark::Orange);
    QVERIFY(f.model.slot(2).summer);
    QCOMPARE(f.model.slot(3).mark, SummerMark::Hidden);
}

void TestSettingsModel::slotTimesAgreeWithTheClocks()
{
    // One second before and at New York's spring change: the slot's time jumps as a clock's.
    Fixture f(at(2027, 3, 14, 6, 59, 59));
    f.load();
    f.pickIn(0, "New York");
    f.model.tick();
    QCOMPARE(f.model.slot(0).time, QStringLiteral("01:59"));
    f.clock.utc = at(2027, 3, 14, 7, 0, 0);
    f.model.tick();
    QCOMPARE(f.model.slot(0).time, QStringLiteral("03:00"));
    // The details panel keeps the standard offset.
    QCOMPARE(f.model.details().utcOffset, QStringLiteral("-5:00"));
}

void TestSettingsModel::zonesAreSavedForCodesZeroAndOne()
{
    Fixture f(at(2026, 7, 15));
    QVERIFY(f.store.set(StoreKeys::PlcCount, 5));
    QVERIFY(f.store.set(StoreKeys::SelectPattern, qint16(0)));
    f.load();
    // Slot 0 first holds New York in summer time, then Tokyo: saved with "SA" 0.
    f.pickIn(0, "USA(Eastern)");
    QVERIFY(f.model.slot(0).summer);
    f.pickIn(0, "Japan");
    const CountryEntry& unknown = undeterminedEntry();
    f.pickIn(1, unknown.name);
    f.model.toggleSummer(1);
    f.model.selectSlot(2);
    f.model.pick(0); // empty
    f.pickIn(3, "United Kingdom");
    f.model.selectSlot(4);
    f.model.pick(0);
    f.model.selectSlot(5);
    f.model.pick(0);
    f.backend->writes.clear();
    f.ok();
    QStringList zones;
    int lastWdm = -1;
    int firstZone = -1;
    int change = -1;
    const QStringList writes = f.dataWrites();
    for (int i = 0; i < writes.size(); ++i) {
        if (writes[i].startsWith(QLatin1String("Data/WDM")))
            lastWdm = i;
        if (writes[i].startsWith(QLatin1String("Data/TZ"))) {
            zones << writes[i];
            if (firstZone < 0)
                firstZone = i;
        }
        if (writes[i].startsWith(QLatin1String("Data/Change")))
            change = i;
    }
    // After every "WDM", before "Change"; packed like every other slot key.
    QVERIFY(lastWdm < firstZone && firstZone < change);
    QCOMPARE(zones, (QStringList{"Data/TZ0=Asia/Tokyo", "Data/TZ1=", "Data/TZ2=Europe/London",
                                 "Data/TZ3=", "Data/TZ4=", "Data/TZ5="}));
    QCOMPARE(f.store.get(StoreKeys::SA, 0, StoreReader::SettingsProgram), 0);
    QCOMPARE(f.store.get(StoreKeys::SA, 1, StoreReader::SettingsProgram), 1);
    QCOMPARE(f.store.get(StoreKeys::SA, 2, StoreReader::SettingsProgram), 1);
}

void TestSettingsModel::pickDecidesOnlyThePickedSlot()
{
    Fixture f(at(2026, 7, 15));
    QVERIFY(f.store.set(StoreKeys::PlcCount, 3));
    QVERIFY(f.store.set(StoreKeys::SelectPattern, qint16(0)));
    f.load();
    f.pickIn(0, "USA(Eastern)"); // code 1, July
    QVERIFY(f.model.slot(0).summer);
    QCOMPARE(f.shownTime(0), QStringLiteral("08:00"));
    const CountryEntry& unknown = undeterminedEntry(); // off, switched on by hand
    f.pickIn(2, unknown.name);
    QCOMPARE(f.model.slot(2).mark, SummerMark::Cyan);
    QVERIFY(!f.model.slot(2).summer);
    f.model.toggleSummer(2);
    f.model.toggleSummer(0); // New York's zone decides: the click changes nothing
    f.pickIn(3, "United Kingdom");
    QVERIFY(f.model.slot(3).summer);
    QVERIFY(f.model.slot(0).summer);
    QVERIFY(f.model.slot(2).summer);
    QCOMPARE(f.model.slot(2).summer, true);
    QCOMPARE(f.shownTime(2),
             f.clock.utc.addSecs((unknown.offsetMinutes() + 60) * 60).toString("hh:mm"));

    // Selecting a slot or switching the list keeps every slot's state.
    f.model.selectSlot(2);
    f.model.switchSelectPattern(0);
    f.model.switchLanguage(0);
    QVERIFY(f.model.slot(0).summer);
    QVERIFY(f.model.slot(2).summer);
    QVERIFY(f.model.slot(3).summer);

    // In New York's winter it is standard time; a place without summer time shows no mark.
    Fixture winter(at(2026, 1, 15));
    QVERIFY(winter.store.set(StoreKeys::SelectPattern, qint16(0)));
    winter.load();
    winter.pickIn(0, "USA(Eastern)");
    QVERIFY(!winter.model.slot(0).summer);
    QCOMPARE(winter.model.slot(0).mark, SummerMark::Orange);
    winter.pickIn(0, "Japan");
    QCOMPARE(winter.model.slot(0).mark, SummerMark::Hidden);
    winter.model.toggleSummer(0);
    QVERIFY(!winter.model.slot(0).summer);
}

void TestSettingsModel::savedSummerHourSurvivesReopening()
{
    Fixture f(at(2026, 7, 15));
    QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
    QVERIFY(f.store.set(StoreKeys::SelectPattern, qint16(0)));
    f.load();
    f.pickIn(0, "United Kingdom"); // its zone's summer time
    const CountryEntry& unknown = undeterminedEntry();
    f.pickIn(1, unknown.name);
    f.model.toggleSummer(1);
    f.ok();
    QCOMPARE(f.store.get(StoreKeys::SA, 0, StoreReader::SettingsProgram), 1);
    QCOMPARE(f.store.get(StoreKeys::WD, 0, StoreReader::SettingsProgram),
             0); // the standard hours, never the summer one
    QCOMPARE(f.store.get(StoreKeys::WD, 1, StoreReader::SettingsProgram), unknown.hours);
    QCOMPARE(f.store.get(StoreKeys::WDM, 1, StoreReader::Clocks), unknown.minutes);

    SettingsModel reopened(db(), f.store, f.clock);
    reopened.load();
    QCOMPARE(reopened.slot(0).name, QStringLiteral("United Kingdom"));
    QVERIFY(reopened.slot(0).summer);
    QVERIFY(reopened.slot(1).summer);
    reopened.tick();
    QCOMPARE(reopened.slot(0).time, QStringLiteral("13:00"));
    QCOMPARE(reopened.slot(1).time,
             f.clock.utc.addSecs((unknown.offsetMinutes() + 60) * 60).toString("hh:mm"));
}

void TestSettingsModel::manualSummerSwitch()
{
    Fixture f(at(2026, 1, 15, 23, 30));
    QVERIFY(f.store.set(StoreKeys::SelectPattern, qint16(0)));
    f.load();
    const CountryEntry& unknown = undeterminedEntry();
    f.pickIn(0, unknown.name);
    const QDateTime standard = f.clock.utc.addSecs(unknown.offsetMinutes() * 60);
    f.model.tick();
    QCOMPARE(f.model.slot(0).time, standard.toString("hh:mm"));
    f.model.toggleSummer(0);
    QCOMPARE(f.model.slot(0).summer, true);
    f.model.tick();
    QCOMPARE(f.model.slot(0).time, standard.addSecs(3600).toString("hh:mm"));
    f.model.toggleSummer(0);
    f.model.toggleSummer(0);
    f.model.toggleSummer(0);
    QCOMPARE(f.model.slot(0).summer, false);
    QCOMPARE(f.shownTime(0), standard.toString("hh:mm"));
}

void TestSettingsModel::okPacksSlotsAndWritesInOrder()
{
    Fixture f(at(2026, 1, 15));
    QVERIFY(f.store.set(StoreKeys::PlcCount, 5));
    f.load();
    f.model.selectSlot(0);
    f.model.pick(0);
    f.pickIn(1, "Tokyo");
    f.pickIn(3, "Kathmandu");
    f.model.toggleSummer(3); // no summer time in Nepal: no mark to switch
    f.model.switchLanguage(0);
    f.model.switchSelectPattern(0);
    f.model.nextStyle(); // 1 → 2
    f.model.nextInterval();
    f.backend->writes.clear();
    f.ok();
    const int japan = db().countryJRow(7);
    const int nepal = db().countryJRow(22);
    const QStringList expected{"Settings/JE=0",
                               "Settings/SelectPattern=0",
                               "Settings/Kind=2",
                               "Data/CT=2",
                               "Data/PlcCount=1",
                               QStringLiteral("Data/No0=%1").arg(japan),
                               QStringLiteral("Data/No1=%1").arg(nepal),
                               "Data/No2=0",
                               "Data/No3=0",
                               "Data/No4=0",
                               "Data/No5=0",
                               "Data/SA0=0",
                               "Data/SA1=0",
                               "Data/SA2=0",
                               "Data/SA3=0",
                               "Data/SA4=0",
                               "Data/SA5=0",
                               "Data/WP0=" + db().countryJ(japan).name,
                               "Data/WP1=" + db().countryJ(nepal).name,
                               "Data/WP2=",
                               "Data/WP3=",
                               "Data/WP4=",
                               "Data/WP5=",
                               "Data/WD0=9",
                               "Data/WDM0=0",
                               "Data/WD1=6",
                               "Data/WDM1=-15",
                               "Data/WD2=9",
                               "Data/WDM2=0",
                               "Data/WD3=9",
                               "Data/WDM3=0",
                               "Data/WD4=9",
                               "Data/WDM4=0",
                               "Data/WD5=9",
                               "Data/WDM5=0",
                               "Data/TZ0=Asia/Tokyo",
                               "Data/TZ1=Asia/Kathmandu",
                               "Data/TZ2=",
                               "Data/TZ3=",
                               "Data/TZ4=",
                               "Data/TZ5=",
                               "Data/Name0=",
                               "Data/Zone0=",
                               "Data/Name1=",
                               "Data/Zone1=",
                               "Data/Name2=",
                               "Data/Zone2=",
                               "Data/Name3=",
                               "Data/Zone3=",
                               "Data/Name4=",
                               "Data/Zone4=",
                               "Data/Name5=",
                               "Data/Zone5=",
                               "Data/Change=1"};
    QCOMPARE(f.dataWrites(), expected);
    // The window now shows the packed slots: slot 3, still current, is empty, and so are its
    // list row and the details (Nepal's cross-hair gone).
    QCOMPARE(f.model.slot(1).name, db().countryJ(nepal).name);
    QVERIFY(!f.model.slot(3).filled);
    QCOMPARE(f.model.checkedSlot(), 3);
    QCOMPARE(f.model.selectedRow(), 0);
    QCOMPARE(f.model.details().officialName, db().details(0).officialName);
    QVERIFY(!f.model.details().crossHair);
}

void TestSettingsModel::cancelStartsTheShownStyle()
{
    QTemporaryDir dir;
    for (const char* name : {"zelpane", "zelroll", "zelcaption"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    }
    Fixture f;
    QVERIFY(f.store.set(StoreKeys::Kind, 2));
    f.load();
    QCOMPARE(f.model.styleCaption(), QStringLiteral("List"));
    f.model.nextStyle();
    QCOMPARE(f.model.styleCaption(), QStringLiteral("Tytle bar"));
    f.model.nextStyle();
    QCOMPARE(f.model.styleCaption(), QStringLiteral("Independence"));
    QVERIFY(f.store.set(StoreKeys::Start, 0));
    RecordingStarter starter;
    QVERIFY(!f.model.reject(starter, dir.path() + '/', QString()));
    QCOMPARE(starter.started, QStringList{dir.filePath("zelpane")});
    QCOMPARE(f.store.getOr(StoreKeys::Kind, 9), 2);
    QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 1);

    // OK stores the choices, "Change" and the hand-over in one write, "Start" last.
    Fixture ok;
    ok.load();
    ok.backend->rounds = 0;
    QVERIFY(!ok.model.accept(starter, dir.path() + '/', QString()));
    QCOMPARE(ok.backend->rounds, 1);
    QCOMPARE(ok.backend->writes.mid(ok.backend->writes.size() - 2),
             QStringList({"Data/Change=1", "Settings/Start=1"}));

    // A stored style 3 shows "Task bar"; one click gives the title-bar style.
    Fixture band;
    QVERIFY(band.store.set(StoreKeys::Kind, 3));
    band.load();
    QCOMPARE(band.model.styleCaption(), QStringLiteral("Task bar"));
    band.model.nextStyle();
    QCOMPARE(band.model.styleCaption(), QStringLiteral("Tytle bar"));
}

void TestSettingsModel::failedStartClearsStart()
{
    QTemporaryDir start;
    QTemporaryDir own;
    Fixture f;
    QVERIFY(f.store.set(StoreKeys::Kind, 3));
    f.load();
    RecordingStarter starter;
    const std::optional<StartFailure> failure =
        f.model.reject(starter, start.path() + '/', own.path() + '/');
    QVERIFY(failure);
    QVERIFY(failure->message().contains(QStringLiteral("zelband")));
    QVERIFY(failure->message().contains(start.path()));
    QVERIFY(failure->message().contains(own.path()));
    QVERIFY(starter.started.isEmpty());
    QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 0);

    // A style outside 0 to 3 starts nothing and is no failure.
    Fixture odd;
    QVERIFY(odd.store.set(StoreKeys::Kind, 7));
    odd.load();
    QCOMPARE(odd.model.styleCaption(), QStringLiteral("Tytle Bar"));
    QVERIFY(!odd.model.reject(starter, start.path() + '/', QString()));
    QVERIFY(starter.started.isEmpty());
}

namespace {

// The "[Data]" section of a store file, as the text it is.
QByteArray dataSection(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    const qsizetype begin = text.indexOf("[Data]");
    if (begin < 0)
        return {};
    const qsizetype end = text.indexOf("\n[", begin);
    return text.mid(begin, end < 0 ? -1 : end - begin);
}

// The settings program on a store file, pressing OK with place set 0 or 1 in slot order; a
// display to start is there, beside the store, and its start is only recorded. Nothing of its
// own is made elsewhere: the killed ones could not remove it.
class OkPresser {
public:
    explicit OkPresser(const QString& storePath)
        : m_programs(QFileInfo(storePath).absolutePath()),
          m_store(std::make_unique<IniFileBackend>(storePath))
    {
        QFile display(m_programs.filePath(QStringLiteral("zelpane")));
        display.open(QIODevice::WriteOnly);
        display.setPermissions(display.permissions() | QFile::ExeOwner);
        m_clock.utc = m_clock.local = at(2026, 7, 15);
        m_model.load();
    }
    void ok(int set)
    {
        static const std::array<QStringList, 2> kSets{
            QStringList{"Tokyo", "New York"}, QStringList{"Sydney", "London", "Paris", "Brisbane"}};
        const QStringList& names = kSets.at(set);
        for (int slot = 0; slot < StoreKeys::kSlotCount; ++slot) {
            m_model.selectSlot(slot);
            int row = 0; // the none row for the slots after the set's last place
            while (slot < names.size() && m_model.rowText(m_model.pickList(), row) != names[slot])
                ++row;
            m_model.pick(row);
        }
        m_model.accept(m_starter, m_programs.path() + u'/', QString());
    }

private:
    QDir m_programs;
    SettingsStore m_store;
    FakeClock m_clock;
    RecordingStarter m_starter;
    SettingsModel m_model{db(), m_store, m_clock};
};

// Presses OK with sets 1, 0, 1, ... in a child process until killed.
pid_t startPressingOk(const QString& storePath)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        OkPresser presser(storePath);
        for (int i = 1;; ++i)
            presser.ok(i % 2);
    }
    return pid;
}

} // namespace

void TestSettingsModel::okKilledAnywhereLeavesOldOrNewPlaces()
{
    QTemporaryDir dir;
    std::array<QByteArray, 2> expected;
    for (int set : {0, 1}) {
        const QString path = dir.filePath(QStringLiteral("set%1.conf").arg(set));
        OkPresser(path).ok(set);
        expected[set] = dataSection(path);
    }
    QVERIFY(expected[0].contains("WP1=New York") && expected[1].contains("WP3=Brisbane"));

    // A child that starts and presses OK once, timed from the fork to its end as the killed ones
    // will run, so that the kills spread over their first few OKs however loaded the machine is.
    const QString probe = dir.filePath(QStringLiteral("probe.conf"));
    QVERIFY(QFile::copy(dir.filePath(QStringLiteral("set0.conf")), probe));
    QElapsedTimer oneOk;
    oneOk.start();
    const pid_t probePid = ::fork();
    if (probePid == 0) {
        OkPresser(probe).ok(1);
        ::_exit(0);
    }
    QVERIFY(probePid > 0);
    ::waitpid(probePid, nullptr, 0);
    const qint64 longestWaitUs = 3 * oneOk.nsecsElapsed() / 1000;
    QCOMPARE(dataSection(probe), expected[1]);

    // The settings program, started on set 0's store, killed at random moments while it presses
    // OK over and over.
    constexpr int kKills = 200;
    QRandomGenerator random(20);
    std::array<int, 2> seen{};
    for (int i = 0; i < kKills; ++i) {
        const QString path = dir.filePath(QStringLiteral("kill%1.conf").arg(i));
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("set0.conf")), path));
        const pid_t pid = startPressingOk(path);
        QVERIFY(pid > 0);
        QThread::usleep(random.bounded(longestWaitUs));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const QByteArray places = dataSection(path);
        if (places != expected[0] && places != expected[1])
            QFAIL(qPrintable(QStringLiteral("kill %1 left a mixed place set:\n%2")
                                 .arg(i)
                                 .arg(QString::fromUtf8(places))));
        ++seen[places == expected[1] ? 1 : 0];
    }
    // Both outcomes occur, so the kills did land at different points of the saves.
    QVERIFY2(seen[0] > 0 && seen[1] > 0,
             qPrintable(QStringLiteral("%1 old, %2 new").arg(seen[0]).arg(seen[1])));
}

void TestSettingsModel::everyCityShowsItsZonesTime()
{
    // The generator's input names the zone of every city, in English order.
    QFile input(QStringLiteral(ZEL_WORLDDB_INPUT "/cities.tsv"));
    QVERIFY(input.open(QIODevice::ReadOnly | QIODevice::Text));
    QList<QByteArray> zones{QByteArray()};
    while (!input.atEnd()) {
        const QByteArray line = input.readLine().trimmed();
        if (!line.startsWith('#'))
            zones << line.split('\t').value(2);
    }
    QCOMPARE(zones.size(), db().rowCount(WorldTable::lstCityName));
    // Kathmandu stands under Guinea-Bissau in the input; its zone there is already Nepal's.

    // Each city picked and saved as the settings program does it, then read as the clocks read
    // it, against the system's tz database at every hour boundary of three years.
    const qint64 from = at(2026, 1, 1, 0).toSecsSinceEpoch();
    const qint64 to = at(2029, 1, 1, 0).toSecsSinceEpoch();
    constexpr qint64 kHour = 3600;
    Fixture f;
    f.load();
    int wrongHours = 0;
    QStringList wrongCities;
    for (int row = 1; row < zones.size(); ++row) {
        f.model.selectSlot(0);
        f.model.pick(row);
        f.ok();
        PlaceTable clock;
        clock.load(f.store);
        const Place& place = clock.places[0];
        const QTimeZone zone(zones[row]);
        QVERIFY2(zone.isValid(), zones[row].constData());
        const QTimeZone::OffsetDataList changes =
            zone.transitions(QDateTime::fromSecsSinceEpoch(from, Qt::UTC),
                             QDateTime::fromSecsSinceEpoch(to, Qt::UTC));
        int expected = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(from, Qt::UTC));
        qsizetype next = 0;
        const int wrongBefore = wrongHours;
        for (qint64 t = from; t < to; t += kHour) {
            const QDateTime utc = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
            while (next < changes.size() && changes[next].atUtc <= utc)
                expected = changes[next++].offsetFromUtc;
            wrongHours += place.offsetSecondsAt(utc) != expected ? 1 : 0;
        }
        if (wrongHours != wrongBefore)
            wrongCities
                << QStringLiteral("%1 (%2 h)").arg(place.name).arg(wrongHours - wrongBefore);
    }
    QVERIFY2(wrongHours == 0, qPrintable(QStringLiteral("%1 wrong city-hours: %2")
                                             .arg(wrongHours)
                                             .arg(wrongCities.join(u", "))));
}

void TestSettingsModel::runningClockTakesNewPlacesOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZelClock.conf"));
    OkPresser settings(path);
    settings.ok(0);
    SettingsStore store(std::make_unique<IniFileBackend>(path));
    const SystemClock seconds; // a failed acknowledgement is tried again a second later
    PlaceReload reload(store, seconds);
    reload.acknowledge();
    PlaceTable clock;
    clock.load(store);
    QCOMPARE(clock.places[1].name, QStringLiteral("New York"));

    // The clock polls while the settings program, in a process of its own, presses OK.
    const pid_t pid = ::fork();
    if (pid == 0) {
        settings.ok(1);
        ::_exit(0);
    }
    // An acknowledgement tried while the save still holds the lock is written at a later
    // poll, which reads the places once more: count the changes the clock sees.
    int reloads = 0;
    const auto poll = [&] {
        if (reload.due()) {
            const PlaceTable before = clock;
            clock.load(store);
            reloads += clock == before ? 0 : 1;
        }
    };
    while (::waitpid(pid, nullptr, WNOHANG) == 0)
        poll();
    poll();
    QCOMPARE(reloads, 1);
    QCOMPARE(clock.plcCount, 3);
    QCOMPARE(clock.places[0].name, QStringLiteral("Sydney"));
    QCOMPARE(clock.places[3].name, QStringLiteral("Brisbane"));
}

void TestSettingsModel::texts()
{
    QCOMPARE(SettingsModel::intervalText(5), QStringLiteral(" 5 Sec."));
    QCOMPARE(SettingsModel::intervalText(10), QStringLiteral(" 10 Sec."));
    QCOMPARE(SettingsModel::intervalText(-2), QStringLiteral("-2 Sec."));
    const std::pair<int, const char*> offsets[] = {{540, "+9:00"},  {270, "+4:30"},  {345, "+5:45"},
                                                   {-300, "-5:00"}, {-210, "-3:30"}, {-30, "-0:30"},
                                                   {0, "+0:00"},    {780, "+13:00"}};
    for (const auto& [minutes, text] : offsets)
        QCOMPARE(SettingsModel::offsetText(minutes), QString::fromLatin1(text));

    Fixture f;
    QVERIFY(f.store.set(StoreKeys::CT, 10));
    f.load();
    f.model.nextInterval();
    QCOMPARE(f.model.intervalCaption(), QStringLiteral(" 1 Sec."));
}

void TestSettingsModel::intervalOutsideOneToTenReadsAsOne()
{
    // Shown, cycled and saved back as 1: the chooser offers 1 to 10 only.
    const std::pair<const char*, int> table[] = {{"0", 1}, {"-5", 1},  {"11", 1},
                                                 {"1", 1}, {"10", 10}, {"ten", 1}};
    for (const auto& [text, shown] : table) {
        Fixture f;
        QVERIFY(f.store.setText(StoreKeys::CT, QString::fromLatin1(text)));
        f.load();
        QCOMPARE(f.model.intervalCaption(), SettingsModel::intervalText(shown));
        f.ok();
        QCOMPARE(f.store.text(StoreKeys::CT), QString::number(shown));
        f.model.nextInterval();
        QCOMPARE(f.model.intervalCaption(), SettingsModel::intervalText(shown % 10 + 1));
    }
}

void TestSettingsModel::placeTimesAndDetails()
{
    // A computer at UTC+9 without summer time.
    Fixture f(at(2026, 1, 15, 23, 30, 59));
    f.clock.local = at(2026, 1, 16, 8, 30, 59);
    QVERIFY(f.store.set(StoreKeys::SelectPattern, 0));
    QVERIFY(f.store.set(StoreKeys::PlcCount, 2));
    f.load();
    f.pickIn(0, "Japan");
    QCOMPARE(f.model.details().localOffset, QStringLiteral("+0:00"));
    QCOMPARE(f.model.details().utcOffset, QStringLiteral("+9:00"));
    f.pickIn(1, "USA(Eastern)");
    QCOMPARE(f.model.details().localOffset, QStringLiteral("-14:00"));
    const QPointF usa = *f.model.details().crossHair;
    f.pickIn(1, "USA(Pacific)");
    QCOMPARE(*f.model.details().crossHair, usa); // one country, one cross-hair
    // Computed in double precision and kept in single precision: equal to a hundredth of a twip.
    const QPointF want(3620 + 5200.0 * (-97 + 180) / 360, 620 + 3000.0 * (-38 + 90) / 180);
    QVERIFY(qAbs(usa.x() - want.x()) < 0.01 && qAbs(usa.y() - want.y()) < 0.01);
    f.pickIn(2, "Afghanistan");
    QCOMPARE(f.model.details().utcOffset, QStringLiteral("+4:30"));
    f.model.tick();
    QCOMPARE(f.model.slot(0).time, QStringLiteral("08:30"));
    QCOMPARE(f.model.slot(1).time, QStringLiteral("15:30")); // -8, winter
    QCOMPARE(f.model.slot(2).time, QStringLiteral("04:00"));

    // Computers at UTC+10 and at UTC-3:30 looking at the Northern Territory.
    f.clock.local = f.clock.utc.addSecs(10 * 3600);
    f.pickIn(2, "Australia(N.T.)");
    QCOMPARE(f.model.details().localOffset, QStringLiteral("-0:30"));
    f.clock.local = f.clock.utc.addSecs(-210 * 60);
    f.model.selectSlot(2);
    QCOMPARE(f.model.details().localOffset, QStringLiteral("+13:00"));

    // The none row: row 0's offset, no cross-hair, the plain flag.
    f.model.pick(0);
    QCOMPARE(f.model.details().officialName, QStringLiteral("none"));
    QCOMPARE(f.model.details().utcOffset, QStringLiteral("+9:00"));
    QCOMPARE(f.model.details().flag, 0);
    QVERIFY(!f.model.details().crossHair);
}

void TestSettingsModel::localOffsetFromOneReading()
{
    SettingsStore store{std::make_unique<RecordingBackend>()};
    QVERIFY(store.set(StoreKeys::SelectPattern, 0));
    const SteppingClock clock;
    SettingsModel model(db(), store, clock);
    model.load();
    // "(Local)": the place's offset from the computer's, whole minutes at any reading.
    const std::pair<const char*, const char*> places[] = {
        {"Japan", "+0:00"}, {"Nepal", "-3:15"}, {"USA(Eastern)", "-14:00"}};
    for (const auto& [country, local] : places) {
        int row = 0;
        while (model.rowText(model.pickList(), row) != QLatin1String(country))
            ++row;
        model.pick(row);
        QCOMPARE(model.details().localOffset, QLatin1String(local));
    }
}

void TestSettingsModel::damagedStoreRows()
{
    Fixture f;
    QVERIFY(f.store.set(StoreKeys::SelectPattern, 0));
    QVERIFY(f.store.set(StoreKeys::No, 0, 300)); // beyond the 216 country rows
    QVERIFY(f.store.set(StoreKeys::No, 1, -4));
    QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
    f.load();
    QVERIFY(!f.model.slot(0).filled);
    QVERIFY(!f.model.slot(1).filled);
    f.model.pick(9999);
    QCOMPARE(f.model.selectedRow(), 0);
}

void TestSettingsModel::foundPlacesAndOwnNamesSavedAndReadBack()
{
    // Berlin named "Munich" by the user, a zone the database has no city of, and a zone whose
    // database city has another name.
    Fixture f(at(2026, 1, 15));
    f.load();
    const auto pickFound = [&](int slot, const QString& text, FoundPlace::Kind kind) {
        f.model.selectSlot(slot);
        const auto found = f.model.find(text);
        const auto it = std::find_if(found.begin(), found.end(),
                                     [&](const FoundPlace& p) { return p.kind == kind; });
        QVERIFY2(it != found.end(), qPrintable(text));
        f.model.pick(*it);
    };
    pickFound(0, QStringLiteral("Berlin"), FoundPlace::Kind::City);
    f.model.rename(0, QStringLiteral("Munich"));
    pickFound(1, QStringLiteral("Phoenix"), FoundPlace::Kind::Zone);
    pickFound(2, QStringLiteral("Jakarta"), FoundPlace::Kind::Zone);
    QCOMPARE(f.model.selectedRow(), f.row(QStringLiteral("Jawa"))); // the same zone's city
    QCOMPARE(f.model.details().utcOffset, QStringLiteral("+7:00"));
    f.model.rename(2, QStringLiteral(" "));
    f.ok();

    // The clocks read names, zones and standard offsets; an older settings program reads the
    // zone alone as an empty slot (a row outside its list) and the other two as their cities.
    PlaceTable clock;
    clock.load(f.store);
    QCOMPARE(clock.count(), 3);
    const QStringList names{"Munich", "Phoenix", "Jakarta"};
    const QList<QByteArray> zones{"Europe/Berlin", "America/Phoenix", "Asia/Jakarta"};
    const QList<int> offsets{60, -420, 420};
    for (int n = 0; n < clock.count(); ++n) {
        QCOMPARE(clock.places[n].name, names[n]);
        QCOMPARE(clock.places[n].zone.id(), zones[n]);
        QCOMPARE(clock.places[n].offsetMinutes(), offsets[n]);
    }
    QCOMPARE(f.store.get(StoreKeys::No, 1, StoreReader::SettingsProgram), -1);
    QCOMPARE(f.store.get(StoreKeys::No, 2, StoreReader::SettingsProgram), f.row("Jawa"));

    // Read back, then in Japanese and by country: the zones keep their places, the user's name
    // stays, the others take the language.
    Fixture back;
    back.backend->values = f.backend->values;
    back.load();
    QCOMPARE(back.model.slot(0).name, QStringLiteral("Munich"));
    QCOMPARE(back.model.slot(1).name, QStringLiteral("Phoenix"));
    back.model.switchLanguage(0);
    back.model.switchSelectPattern(0);
    QCOMPARE(back.model.slot(0).name, QStringLiteral("Munich"));
    QCOMPARE(back.model.slot(1).name, QStringLiteral("フェニックス"));
    QCOMPARE(back.model.slot(2).name, QStringLiteral("ジャカルタ"));
    QCOMPARE(back.shownRow(2), back.row(db().countryJ(db().countryJRow(34)).name));

    // An older version saved over it: its own names and zones in "WP" and "TZ", ours left
    // behind, which no longer count.
    Fixture old;
    old.backend->values = f.backend->values;
    QVERIFY(old.store.set(StoreKeys::WP, 0, QStringLiteral("Berlin")));
    QVERIFY(old.store.set(StoreKeys::No, 1, f.row(QStringLiteral("Tokyo"))));
    QVERIFY(old.store.set(StoreKeys::WP, 1, QStringLiteral("Tokyo")));
    QVERIFY(old.store.set(StoreKeys::TZ, 1, QStringLiteral("Asia/Tokyo")));
    old.load();
    QCOMPARE(old.model.slot(0).name, QStringLiteral("Berlin"));
    QCOMPARE(old.model.slot(1).name, QStringLiteral("Tokyo"));
}

QTEST_GUILESS_MAIN(TestSettingsModel)
#include "tst_settingsmodel.moc"
