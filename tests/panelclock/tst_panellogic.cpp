// The panel clock without its window: loading, rotation, the shown row, the title-bar
// placement and what each button does.
#include "PanelButtons.h"
#include "PanelClock.h"
#include "StoreClockFixture.h"
#include "TickTimer.h"
#include "TitleBarPlacement.h"

#include <QTest>

namespace {

// A tick step that binary floating point holds exactly, so that the strict "more than CT
// seconds" test is decided by the logic and not by rounding.
constexpr double kStep = 0.125;

// Names each slot by its number, so that the shown row tells which slot it is.
void nameSlots(SettingsStore& store)
{
    for (int i = 0; i < 6; ++i)
        QVERIFY(store.setRawText(SettingsStore::Section::Data, QStringLiteral("WP%1").arg(i),
                                 QString::number(i)));
}

// Ticks for `seconds`, giving the shown place after each tick.
QStringList run(PanelClock& panel, FakeClock& clock, double seconds)
{
    QStringList shown;
    for (int i = 0; i < int(seconds / kStep); ++i) {
        clock.secs += kStep;
        shown.push_back(panel.onTick().place);
    }
    return shown;
}

// The ticks at which the shown place changed.
QList<int> changeTicks(const QStringList& shown, const QString& first)
{
    QList<int> ticks;
    QString last = first;
    for (int i = 0; i < shown.size(); ++i) {
        if (shown[i] != last)
            ticks.push_back(i + 1);
        last = shown[i];
    }
    return ticks;
}

} // namespace

class TestPanelLogic : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreAlternatesTwoJapans()
    {
        StoreClockFixture f(QDateTime(QDate(2026, 1, 1), QTime(15, 0), Qt::UTC));
        PanelClock panel(f.store, f.clock, QLocale(QLocale::English));
        panel.start();
        QCOMPARE(panel.rotation().places().plcCount, 1);
        const double started = f.clock.secs;
        QCOMPARE(*panel.rotation().nextRotationAt(), started + 1); // "CT" 1
        QCOMPARE(f.backend->writes, QStringList{"Data/Change=0"});
        const RowText row = panel.onTick();
        QCOMPARE(row.place, QStringLiteral("Japan"));
        QCOMPARE(row.time, QStringLiteral("00:00 ")); // Japan's time, nine hours ahead
        QCOMPARE(row.date, QStringLiteral("Jan 02 "));
        // More than one second: the ninth tick (1.125 s) turns to the other Japan, not the
        // eighth (exactly 1 s).
        run(panel, f.clock, 1.0);
        QCOMPARE(*panel.rotation().nextRotationAt(), started + 1);
        QCOMPARE(run(panel, f.clock, kStep), QStringList{"Japan"});
        QCOMPARE(*panel.rotation().nextRotationAt(), started + 1.125 + 1);
    }

    void rotationFollowsTheInterval_data()
    {
        QTest::addColumn<QString>("ct");
        QTest::addColumn<int>("plcCount");
        QTest::addColumn<QList<int>>("changes"); // ticks at which the shown place changed
        QTest::addColumn<QString>("finalPlace");
        QTest::newRow("CT 5, three places")
            << QStringLiteral("5") << 2 << QList<int>{41, 82} << "2";
        QTest::newRow("CT 10, six places") << QStringLiteral("10") << 5 << QList<int>{81} << "1";
        QTest::newRow("CT 1, one place stays") << QStringLiteral("1") << 0 << QList<int>{} << "0";
        // Nothing read: slot 0 stays empty.
        QTest::newRow("no place, slot 0 stays") << QStringLiteral("1") << -1 << QList<int>{} << "";
        // Outside 1 to 10 the interval is 1: 0 or less would turn at every tick.
        const QList<int> everySecond{9, 18, 27, 36, 45, 54, 63, 72, 81, 90};
        for (const char* ct : {"0", "-5", "11", "two"})
            QTest::addRow("CT %s reads as 1", ct)
                << QString::fromLatin1(ct) << 1 << everySecond << "0";
        QTest::newRow("beyond six, kept to six")
            << QStringLiteral("1") << 9 << QList<int>{9, 18, 27, 36, 45, 54, 63, 72, 81, 90} << "4";
    }
    void rotationFollowsTheInterval()
    {
        QFETCH(QString, ct);
        QFETCH(int, plcCount);
        QFETCH(QList<int>, changes);
        QFETCH(QString, finalPlace);
        StoreClockFixture f;
        f.set("CT", ct);
        f.set("PlcCount", QString::number(plcCount));
        nameSlots(f.store);
        PanelClock panel(f.store, f.clock);
        panel.start();
        const QString first = panel.onTick().place;
        const QStringList shown = run(panel, f.clock, 12.0);
        QCOMPARE(changeTicks(shown, first), changes);
        QCOMPARE(shown.last(), finalPlace);
    }

    // A place tied to windows by a word holds the rotation while a window in front has it.
    void tiedPlaceHoldsTheRotation_data()
    {
        QTest::addColumn<QStringList>("words"); // "ShowWhile" of slots 0 to 2
        QTest::addColumn<QStringList>("front"); // the title and the class of the front window
        QTest::addColumn<int>("held");          // the slot shown throughout, or -1: rotating
        const QStringList tokyo{"", "", "Yuki"};
        QTest::newRow("word in the title") << tokyo << QStringList{"Chat with Yuki", "x"} << 2;
        QTest::newRow("word in the class")
            << QStringList{"", "Xmessage", ""} << QStringList{"Hi", "xmessage Xmessage"} << 1;
        QTest::newRow("case ignored") << tokyo << QStringList{"YUKI", ""} << 2;
        QTest::newRow("no match rotates") << tokyo << QStringList{"Mail", "thunderbird"} << -1;
        QTest::newRow("empty word never") << QStringList{"", "", ""} << QStringList{"", ""} << -1;
        QTest::newRow("blank word never")
            << QStringList{" ", "", ""} << QStringList{"a b", ""} << -1;
        QTest::newRow("longest word wins")
            << QStringList{"chat", "", "chat yuki"} << QStringList{"Chat Yuki", ""} << 2;
        QTest::newRow("first slot among equals")
            << QStringList{"", "mail", "mail"} << QStringList{"Mail", ""} << 1;
    }
    void tiedPlaceHoldsTheRotation()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, front);
        QFETCH(int, held);
        StoreClockFixture f;
        f.set("PlcCount", "2");
        nameSlots(f.store);
        for (int i = 0; i < words.size(); ++i)
            f.set(QStringLiteral("ShowWhile%1").arg(i), words[i]);
        PanelClock panel(f.store, f.clock);
        panel.start();
        panel.setFront(WindowNames{front[0], front[1]});
        const QStringList shown = run(panel, f.clock, 4.0);
        if (held < 0) {
            QCOMPARE(changeTicks(shown, "0").size(), 3);
            return;
        }
        QCOMPARE(shown, QStringList(shown.size(), QString::number(held)));
        // Nothing seen in front (this program's own window) changes nothing; another window
        // in front lets the rotation go on from the held place after its interval.
        QVERIFY(!panel.setFront(std::nullopt));
        QCOMPARE(run(panel, f.clock, 1.0).last(), QString::number(held));
        QVERIFY(panel.setFront(WindowNames{"Terminal", "xterm XTerm"}));
        const QStringList after = run(panel, f.clock, 1.125);
        QCOMPARE(after.first(), QString::number(held));
        QCOMPARE(after.last(), QString::number((held + 1) % 3));
    }

    // The timer sleeps until the rotation is due and a millisecond more: that wake-up must
    // be the one that turns, since the turn needs strictly more than CT seconds.
    void rotationTurnsAtTheScheduledWakeUp()
    {
        StoreClockFixture f;
        f.set("CT", "5");
        f.set("PlcCount", "2");
        nameSlots(f.store);
        PanelClock panel(f.store, f.clock);
        f.clock.secs = 100.0;
        panel.start();
        for (int turn = 1; turn <= 3; ++turn) {
            const std::optional<double> due = panel.rotation().nextRotationAt();
            QVERIFY(due);
            QCOMPARE(*due, f.clock.secs + 5);
            const int delay = TickTimer::delayMs(f.clock.utc, f.clock.secs, due, false, 60'000);
            f.clock.secs = *due;
            QCOMPARE(panel.onTick().place, QString::number(turn - 1));
            f.clock.secs = *due - 5 + delay / 1000.0;
            QCOMPARE(panel.onTick().place, QString::number(turn % 3));
        }
        // One place never turns: nothing to wake for.
        f.set("PlcCount", "0");
        f.set("Change", "1");
        panel.onTick();
        QVERIFY(!panel.rotation().nextRotationAt());
    }

    void noPlaceShowsEmptySlotAtUtc()
    {
        StoreClockFixture f;
        f.set("PlcCount", "-1");
        f.setNow(QDateTime(QDate(2026, 3, 4), QTime(12, 34, 56), Qt::UTC));
        PanelClock panel(f.store, f.clock);
        panel.start();
        const RowText row = panel.onTick();
        QCOMPARE(row.place, QString());
        QCOMPARE(row.time, QStringLiteral("12:34 "));
        QVERIFY(!f.backend->values.contains("data/wp0"));
    }

    void rotationRunsThroughMidnight()
    {
        StoreClockFixture f;
        f.set("CT", "5");
        nameSlots(f.store);
        PanelClock panel(f.store, f.clock);
        f.setNow(QDateTime(QDate(2026, 1, 1), QTime(23, 59, 57), Qt::UTC));
        f.clock.secs = 86395.0; // the seconds counter does not wrap at midnight
        panel.start();
        QStringList shown;
        for (int i = 0; i < 110; ++i) {
            f.clock.secs += kStep;
            f.clock.utc = f.clock.utc.addMSecs(125);
            shown.push_back(panel.onTick().place);
        }
        QCOMPARE(changeTicks(shown, "0"), (QList<int>{41, 82}));
    }

    void reloadPicksUpNewPlaces()
    {
        StoreClockFixture f;
        f.set("PlcCount", "3");
        nameSlots(f.store);
        PanelClock panel(f.store, f.clock);
        panel.start();
        QCOMPARE(run(panel, f.clock, 3.5).last(), "3");
        const double lastTurn = *panel.rotation().nextRotationAt() - 1; // "CT" 1 so far
        f.set("PlcCount", "1");
        f.addPlace(0, "Paris", 1);
        f.set("CT", "7");
        f.set("Change", "2"); // not 1: nothing happens
        panel.onTick();
        QCOMPARE(panel.rotation().places().plcCount, 3);
        QCOMPARE(f.store.get(StoreKeys::Change, StoreReader::Clocks), 2);
        f.set("Change", "1");
        const RowText row = panel.onTick();
        QCOMPARE(f.store.get(StoreKeys::Change, StoreReader::Clocks), 0);
        QCOMPARE(*panel.rotation().nextRotationAt(), lastTurn + 7);
        // The shown place is gone: the first place shows at once, not a stale slot.
        QCOMPARE(row.place, QStringLiteral("Paris"));
    }

    void nightAndDateHighlights()
    {
        StoreClockFixture f(QDateTime(QDate(2026, 1, 1), QTime(16, 0), Qt::UTC));
        f.set("PlcCount", "0");
        f.set("WD0", "9");
        PanelClock panel(f.store, f.clock, QLocale(QLocale::English));
        panel.start();
        RowText row = panel.onTick();
        QCOMPARE(row.time, QStringLiteral("01:00 "));
        QCOMPARE(row.date, QStringLiteral("Jan 02 "));
        QVERIFY(row.nightHighlight);
        QVERIFY(row.dateHighlight);
        f.setNow(QDateTime(QDate(2026, 1, 1), QTime(22, 0), Qt::UTC), // 07:00 there
                 QDateTime(QDate(2026, 1, 2), QTime(1, 0), Qt::LocalTime));
        row = panel.onTick();
        QVERIFY(!row.nightHighlight);
        QVERIFY(!row.dateHighlight);
    }

    void followToolTips()
    {
        StoreClockFixture f;
        PanelClock panel(f.store, f.clock);
        QVERIFY(panel.following());
        // The tests run in English; the Japanese is the panel window test's.
        QCOMPARE(panel.followToolTip(), QStringLiteral("Stop following the title bar"));
        panel.toggleFollow();
        QVERIFY(!panel.following());
        QCOMPARE(panel.followToolTip(), QStringLiteral("Change to \"Follow the title bar\""));
        panel.toggleFollow();
        QVERIFY(panel.following());
        QCOMPARE(panel.followToolTip(),
                 QStringLiteral("Change to \"Stop following the title bar\""));
    }

    void placementOverTitleBar()
    {
        // A 300 x 175 frame at (300, 80): right edge 600; a panel 333 pixels wide.
        const QPointF at = TitleBarPlacement::overTitleBar({300, 80, 600, 255}, 333 * 15.0f);
        QCOMPARE(at.x(), (600.0 - 60 - 333) * 15);
        QCOMPARE(at.y(), 80 * 15 + 37.2);
        // Left of the screen and above it: negative coordinates stay exact.
        const QPointF off = TitleBarPlacement::overTitleBar({-500, -10, 100, 90}, 1500.0f);
        QCOMPARE(off.x(), (100.0 - 60) * 15 - 1500);
        QCOMPARE(float(off.y()), float((-10 + 2.48) * 15));
        // A high-density screen: fewer twips per pixel.
        const QPointF hd = TitleBarPlacement::overTitleBar({0, 0, 1000, 50}, 3000.0f, 10, 10);
        QCOMPARE(hd.x(), 940.0 * 10 - 3000);
        QCOMPARE(float(hd.y()), 24.8f);
    }

    void buttonTable()
    {
        const auto target = [](PanelButton id) {
            return entryOf(PanelButtons::table(), id).switchTo;
        };
        QCOMPARE(target(PanelButton::TitleCng),
                 (std::optional<SwitchTarget>{{Program::TitleBarClock, Program::PanelClock}}));
        QCOMPARE(int(*target(PanelButton::TitleCng)->kind), 1); // the number "Kind" holds
        QCOMPARE(target(PanelButton::View),
                 (std::optional<SwitchTarget>{{Program::ListClock, std::nullopt}}));
        QCOMPARE(target(PanelButton::Change),
                 (std::optional<SwitchTarget>{{Program::Settings, std::nullopt}}));
        QVERIFY(!target(PanelButton::Follow));
        QVERIFY(!target(PanelButton::End));
    }
};

QTEST_GUILESS_MAIN(TestPanelLogic)
#include "tst_panellogic.moc"
