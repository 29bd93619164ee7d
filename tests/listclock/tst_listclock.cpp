#include "ListButtons.h"
#include "ListClock.h"
#include "ListLayout.h"
#include "StoreClockFixture.h"
#include "Strip.h"

#include <QTest>

namespace {

QDateTime utcAt(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct Fixture : StoreClockFixture {
    ListClock list{store, clock, kEnglish};
};

QStringList placeNames(const std::vector<RowText>& rows)
{
    QStringList out;
    for (const RowText& r : rows)
        out << r.place;
    return out;
}

QList<int> stripHours(int start, StripMode mode)
{
    QList<int> out;
    for (const StripCell& c : Strip::cells(start, mode))
        out << c.hour;
    return out;
}

} // namespace

class TestListClock : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreShowsLocalAndTwoJapanRows()
    {
        Fixture f;
        f.setNow(utcAt(2026, 1, 1, 12, 34, 56));
        f.list.start();
        QCOMPARE(f.list.windowHeight(), 1200);
        const ListClock::Tick t = f.list.tick();
        QCOMPARE(placeNames(t.rows), (QStringList{"Local", "Japan", "Japan"}));
        QCOMPARE(t.rows[0].time, QStringLiteral("12:34 "));
        QCOMPARE(t.rows[1].time, QStringLiteral("21:34 ")); // Japan: nine hours ahead
        QCOMPARE(t.rows[2].date, QStringLiteral("Jan 01 "));
        QCOMPARE(f.list.modeCaption(), QStringLiteral("Day - Night"));
    }

    void heightFollowsThePlaceCount_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("rows");
        QTest::newRow("none") << "-1" << 720 << 1;
        QTest::newRow("one") << "0" << 960 << 2;
        QTest::newRow("six") << "5" << 2160 << 7;
        // Damaged values stay inside the six places that exist.
        QTest::newRow("too many") << "9" << 2160 << 7;
        QTest::newRow("too few") << "-4" << 720 << 1;
        QTest::newRow("not a number") << "two" << 1200 << 3;
    }
    void heightFollowsThePlaceCount()
    {
        QFETCH(QString, stored);
        QFETCH(int, height);
        QFETCH(int, rows);
        Fixture f;
        QVERIFY(f.store.setText(StoreKeys::PlcCount, stored));
        f.list.start();
        QCOMPARE(f.list.windowHeight(), height);
        QCOMPARE(int(f.list.tick().rows.size()), rows);
        QCOMPARE(int(f.list.strips().size()), rows);
    }

    void localRowIsNeverHighlighted()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 0));
        f.addPlace(0, "Here", 0, 0);
        // Three in the morning: a place at the same time is a night hour, the local row is not.
        f.setNow(utcAt(2026, 5, 10, 3, 0));
        f.list.start();
        const auto rows = f.list.tick().rows;
        QVERIFY(rows[1].nightHighlight);
        QVERIFY(!rows[0].nightHighlight);
        QVERIFY(!rows[0].dateHighlight);
        QCOMPARE(rows[0].time, rows[1].time);
    }

    void dateHighlightFollowsTheLocalDay()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
        f.addPlace(0, "East", 1, 0);
        f.addPlace(1, "West", -1, 0);
        f.setNow(utcAt(2026, 1, 31, 23, 30));
        f.list.start();
        auto rows = f.list.tick().rows;
        QCOMPARE(rows[1].date, QStringLiteral("Feb 01 "));
        QVERIFY(rows[1].dateHighlight);
        QVERIFY(!rows[2].dateHighlight);

        // An hour later the local day has turned: now the western place lags behind.
        f.setNow(utcAt(2026, 2, 1, 0, 30));
        rows = f.list.tick().rows;
        QVERIFY(!rows[1].dateHighlight);
        QCOMPARE(rows[2].date, QStringLiteral("Jan 31 "));
        QVERIFY(rows[2].dateHighlight);
    }

    void everyRowOfATickUsesOneSnapshot()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 5));
        for (int i = 0; i <= 5; ++i)
            f.addPlace(i, QStringLiteral("P%1").arg(i), 0, 0);
        f.setNow(utcAt(2026, 1, 1, 9, 59, 59));
        f.list.start();
        for (const RowText& r : f.list.tick().rows)
            QCOMPARE(r.time, QStringLiteral("09:59 "));
    }

    void changeReloadsPlacesAndHeightButNotTheStrip()
    {
        Fixture f;
        f.setNow(utcAt(2026, 1, 1, 10, 0));
        f.list.start();
        QVERIFY(!f.list.tick().reloaded);

        QVERIFY(f.store.set(StoreKeys::PlcCount, 3));
        f.addPlace(0, "Paris", 1, 0);
        f.addPlace(3, "Delhi", 5, 30);
        QVERIFY(f.store.set(StoreKeys::Change, 1));
        const ListClock::Tick t = f.list.tick();
        QVERIFY(t.reloaded);
        QCOMPARE(f.store.get(StoreKeys::Change, StoreReader::Clocks), 0);
        QCOMPARE(f.list.windowHeight(), 1680);
        QCOMPARE(t.rows.size(), std::size_t(5));
        QCOMPARE(t.rows[1].place, QStringLiteral("Paris"));
        QCOMPARE(t.rows[1].time, QStringLiteral("11:00 "));
        QCOMPARE(t.rows[4].time, QStringLiteral("15:30 "));
    }

    void otherChangeValuesDoNotReload_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("0") << "0";
        QTest::newRow("2") << "2";
        QTest::newRow("-1") << "-1";
        QTest::newRow("text") << "yes";
    }
    void otherChangeValuesDoNotReload()
    {
        QFETCH(QString, value);
        Fixture f;
        f.list.start();
        QVERIFY(f.store.set(StoreKeys::PlcCount, 4));
        QVERIFY(f.store.setText(StoreKeys::Change, value));
        QVERIFY(!f.list.tick().reloaded);
        QCOMPARE(f.list.windowHeight(), 1200);
        QCOMPARE(f.store.text(StoreKeys::Change).value_or("?"), value);
    }

    void stripStartsAtEachRowsHour()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 2));
        f.addPlace(0, "Tokyo", 9, 0);
        f.addPlace(1, "Midnight", -23, 0);
        f.addPlace(2, "Five", -18, 0);
        f.setNow(utcAt(2026, 3, 1, 23, 30));
        f.list.start();
        const auto strips = f.list.strips();
        QCOMPARE(strips[0][0].cell.hour, 23); // local
        QCOMPARE(strips[0][1].cell.hour, 24);
        QCOMPARE(strips[0][2].cell.hour, 1);
        QCOMPARE(strips[1][0].cell.hour, 8);
        QCOMPARE(strips[2][0].cell.hour, 0);
        QCOMPARE(strips[2][23].cell.hour, 23);
        QCOMPARE(strips[3][0].cell.hour, 5);
        QCOMPARE(strips[3][19].cell.hour, 24);
        QCOMPARE(strips[3][23].cell.hour, 4);
    }

    void toolTipsNameTheColumnsMomentAtThePlace()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
        f.addPlace(0, "Tokyo", 9, 0);
        f.addPlace(1, "New York", -5, 0);
        f.setNow(utcAt(1998, 12, 31, 23, 30));
        f.list.start();
        const auto strips = f.list.strips();
        QCOMPARE(strips[1][0].toolTip, QStringLiteral("Jan 01 08:00"));
        QCOMPARE(strips[1][16].toolTip, QStringLiteral("Jan 02 00:00")); // the cell reads 24
        QCOMPARE(strips[1][16].cell.hour, 24);
        QCOMPARE(strips[2][0].toolTip, QStringLiteral("Dec 31 18:00"));
        QCOMPARE(strips[2][6].toolTip, QStringLiteral("Jan 01 00:00"));
        QCOMPARE(strips[0][0].toolTip, QStringLiteral("Dec 31 23:00"));
        QCOMPARE(strips[0][1].toolTip, QStringLiteral("Jan 01 00:00"));
    }

    // A strip crossing New York's changes: the spring one skips 2 o'clock, the autumn one
    // shows 1 o'clock twice; the cells and their tool tips agree.
    void stripAcrossAChangeOfSummerTime()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
        f.addPlace(0, "New York", -5, 0);
        QVERIFY(f.store.set(StoreKeys::TZ, 0, QStringLiteral("America/New_York")));
        f.addPlace(1, "UTC-5", -5, 0);
        f.setNow(utcAt(2027, 3, 14, 5, 30));
        f.list.start();
        auto strips = f.list.strips();
        QList<int> hours;
        for (const StripCellView& v : strips[1])
            hours << v.cell.hour;
        QCOMPARE(hours, (QList<int>{0,  1,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                    13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
        QCOMPARE(strips[1][1].toolTip, QStringLiteral("Mar 14 01:00"));
        QCOMPARE(strips[1][2].toolTip, QStringLiteral("Mar 14 03:00"));
        QCOMPARE(strips[1][23].toolTip, QStringLiteral("Mar 15 00:00"));
        // The fixed row beside it keeps counting on.
        QCOMPARE(strips[2][2].cell.hour, 2);

        f.setNow(utcAt(2026, 11, 1, 4, 30));
        strips = f.list.strips();
        hours.clear();
        for (const StripCellView& v : strips[1])
            hours << v.cell.hour;
        QCOMPARE(hours.mid(0, 5), (QList<int>{0, 1, 1, 2, 3}));
        QCOMPARE(hours.last(), 22);
        QCOMPARE(strips[1][1].toolTip, QStringLiteral("Nov 01 01:00"));
        QCOMPARE(strips[1][2].toolTip, QStringLiteral("Nov 01 01:00"));
        QCOMPARE(strips[1][3].toolTip, QStringLiteral("Nov 01 02:00"));
    }

    void toolTipHourAgreesWithEveryCell_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::newRow("+5:45") << 6 << -15;
        QTest::newRow("+4:30") << 5 << -30;
        QTest::newRow("-9:30") << -9 << -30;
        QTest::newRow("+13") << 13 << 0;
    }
    // A cell's tip is the moment its column begins at the place: the place's own minutes, in
    // the cell's hour or the one before it.
    void toolTipHourAgreesWithEveryCell()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 0));
        f.addPlace(0, "X", hours, minutes);
        f.setNow(utcAt(2024, 2, 28, 22, 50));
        f.list.start();
        const std::vector<StripRow> strips = f.list.strips();
        for (std::size_t r = 0; r < strips.size(); ++r) {
            const int minute = r == 0 ? 0 : ((hours * 60 + minutes) % 60 + 60) % 60;
            for (const StripCellView& v : strips[r]) {
                const int tipHour = v.toolTip.mid(7, 2).toInt();
                QVERIFY(tipHour == v.cell.hour % 24 || (tipHour + 1) % 24 == v.cell.hour % 24);
                QCOMPARE(v.toolTip.mid(10, 2).toInt(), minute);
            }
        }
    }
};

class TestStrip : public QObject {
    Q_OBJECT

private slots:
    void stripHourSequences()
    {
        QCOMPARE(stripHours(5, StripMode::DayNight),
                 (QList<int>{5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                             17, 18, 19, 20, 21, 22, 23, 24, 1,  2,  3,  4}));
        QCOMPARE(stripHours(0, StripMode::AmPm),
                 (QList<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                             12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}));
        QCOMPARE(stripHours(23, StripMode::DayNight),
                 (QList<int>{23, 24, 1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                             11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}));
        QCOMPARE(stripHours(1, StripMode::AmPm).last(), 24);
    }

    void stripColoursAtEveryBoundary()
    {
        const QColor night(0, 0, 128), nightText(255, 255, 192), day(255, 255, 128),
            pm(128, 255, 128);
        for (int h = 0; h <= 24; ++h) {
            const StripCell dn = Strip::cell(h, StripMode::DayNight);
            const bool isNight = h <= 7 || h >= 20;
            QCOMPARE(dn.hour, h);
            QCOMPARE(dn.background, isNight ? night : day);
            QCOMPARE(dn.text, isNight ? std::optional<QColor>(nightText) : std::nullopt);
            const StripCell ap = Strip::cell(h, StripMode::AmPm);
            QCOMPARE(ap.background, h >= 13 ? pm : day);
            QVERIFY(!ap.text.has_value());
        }
        QCOMPARE(Strip::caption(StripMode::DayNight), QStringLiteral("Day - Night"));
        QCOMPARE(Strip::caption(StripMode::AmPm), QStringLiteral("AM - PM"));
        QCOMPARE(Strip::caption(Strip::toggled(Strip::toggled(StripMode::DayNight))),
                 QStringLiteral("Day - Night"));
    }
};

class TestListLayout : public QObject {
    Q_OBJECT

private slots:
    void rowsAndCellsOverlapIntoSingleLines()
    {
        QCOMPARE(ListLayout::rowTop(0), 240);
        QCOMPARE(ListLayout::rowTop(1), 600);
        QCOMPARE(ListLayout::rowTop(6), 1800);
        QCOMPARE(ListLayout::cellLeft(0), 600);
        QCOMPARE(ListLayout::cellLeft(1) - ListLayout::cellLeft(0) + 15, ListLayout::kCellWidth);
        // The last row ends inside the window of six places.
        QVERIFY(ListLayout::rowTop(6) + ListLayout::kRowHeight <= ListLayout::windowHeight(5));
    }

    void widthIsRaisedAndHeightHeld()
    {
        using ListLayout::Size;
        QCOMPARE(ListLayout::enforced(Size{5000, 3000}, 1200), (Size{8175, 1200}));
        QCOMPARE(ListLayout::enforced(Size{10000, 100}, 720), (Size{10000, 720}));
        QCOMPARE(ListLayout::placeLabelWidth(10000), 3040);
        QCOMPARE(ListLayout::modeLabelWidth(10000), 3640);
        QCOMPARE(ListLayout::placeLabelWidth(8175), 1215);
        QCOMPARE(ListLayout::placeLabelWidth(100), 0);
    }
};

class TestListButtons : public QObject {
    Q_OBJECT

private slots:
    void resetOrderAndLooks()
    {
        QStringList order;
        for (const ButtonEntry<ListButton>& b : ListButtons::table())
            order << QStringLiteral("%1:%2/%3").arg(b.name).arg(b.normalLook).arg(b.hoverLook);
        QCOMPARE(order, (QStringList{"imgChange:8/9", "imgend:2/3", "imgDW:8/9", "imgView:6/7",
                                     "imgTitleCng:0/1"}));
        const auto entry = [](ListButton id) { return entryOf(ListButtons::table(), id); };
        QVERIFY(!entry(ListButton::DW).resetsOthersOnHover);
        QVERIFY(entry(ListButton::View).resetsOthersOnHover);
        QCOMPARE(toolTipOf(entry(ListButton::TitleCng)), QStringLiteral("Put into the title bar"));
        QVERIFY(toolTipOf(entry(ListButton::DW)).isEmpty());
    }

    void switchTargets()
    {
        using T = SwitchTarget;
        const auto target = [](ListButton id) {
            return entryOf(ListButtons::table(), id).switchTo;
        };
        QCOMPARE(target(ListButton::TitleCng),
                 std::optional<T>(T{Program::TitleBarClock, Program::PanelClock}));
        QCOMPARE(target(ListButton::View),
                 std::optional<T>(T{Program::PanelClock, Program::ListClock}));
        QCOMPARE(target(ListButton::Change), std::optional<T>(T{Program::Settings, std::nullopt}));
        QVERIFY(!target(ListButton::End));
        QVERIFY(!target(ListButton::DW));
        // The numbers "Kind" holds in the store.
        QCOMPARE(int(*target(ListButton::TitleCng)->kind), 1);
        QCOMPARE(int(*target(ListButton::View)->kind), 2);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    TestListClock clock;
    status |= QTest::qExec(&clock, argc, argv);
    TestStrip strip;
    status |= QTest::qExec(&strip, argc, argv);
    TestListLayout layout;
    status |= QTest::qExec(&layout, argc, argv);
    TestListButtons buttons;
    status |= QTest::qExec(&buttons, argc, argv);
    return status;
}

#include "tst_listclock.moc"
