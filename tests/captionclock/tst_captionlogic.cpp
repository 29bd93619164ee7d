// The title-bar clock without its window: where it sits in a title bar, its rotation and
// reload, and what each menu choice writes to the store and starts. The task-bar clock's menu
// is the same table with the title-bar clock on top, so it is checked here too.
#include "CaptionClock.h"
#include "DisplayMenu.h"
#include "StoreClockFixture.h"

#include <QTest>

class TestCaptionLogic : public QObject {
    Q_OBJECT
private slots:
    void sitsLeftOfTheTitleBarButtons()
    {
        // A frame from x 300 to 600 at y 80: a 200 pixel clock ends 60 pixels left of 600,
        // 2.48 pixels below the top (rounded to the pixel).
        QCOMPARE(CaptionClock::placeIn(WindowRect{300, 80, 600, 255}, QSize(200, 18), 60),
                 std::optional<QPoint>(QPoint(340, 82)));
        QCOMPARE(CaptionClock::placeIn(WindowRect{-400, -30, 100, 70}, QSize(100, 18), 60),
                 std::optional<QPoint>(QPoint(-60, -28)));
        // No foreground window: hidden.
        QCOMPARE(CaptionClock::placeIn(std::nullopt, QSize(200, 18), 60), std::nullopt);
        // Too narrow to hold the clock beside the buttons: hidden rather than hanging out.
        QCOMPARE(CaptionClock::placeIn(WindowRect{300, 80, 559, 200}, QSize(200, 18), 60),
                 std::nullopt);
        QVERIFY(CaptionClock::placeIn(WindowRect{300, 80, 560, 200}, QSize(200, 18), 60));
    }

    void rotatesAndReloads()
    {
        StoreClockFixture f(QDateTime(QDate(2026, 3, 1), QTime(16, 0), Qt::UTC));
        f.set("PlcCount", "1");
        f.set("CT", "2");
        f.addPlace(0, "Tokyo", 9);
        f.addPlace(1, "Delhi", 5, 30);
        CaptionClock caption(f.store, f.clock, QLocale(QLocale::English));
        caption.start();
        QStringList shown;
        for (int tick = 0; tick < 50; ++tick) { // five seconds
            f.clock.secs += 0.1;
            const RowText row = caption.onTick();
            if (shown.isEmpty() || shown.last() != row.place)
                shown.push_back(row.place);
        }
        // Two seconds each, strictly more: Tokyo, Delhi, Tokyo.
        QCOMPARE(shown, (QStringList{"Tokyo", "Delhi", "Tokyo"}));
        const RowText tokyo = caption.onTick();
        QCOMPARE(tokyo.time, QStringLiteral("01:00 "));
        QVERIFY(tokyo.nightHighlight);
        QVERIFY(tokyo.dateHighlight); // the 2nd in Tokyo, the 1st here

        // Another program saves one place and raises "Change": the next tick shows it and
        // puts the flag back.
        f.set("PlcCount", "0");
        f.addPlace(0, "Lima", -5);
        f.set("Change", "1");
        f.backend->writes.clear();
        const RowText lima = caption.onTick();
        QCOMPARE(lima.place, QStringLiteral("Lima"));
        QCOMPARE(lima.time, QStringLiteral("11:00 "));
        QCOMPARE(f.backend->writes, QStringList{"Data/Change=0"});
    }

    void menuHandOvers_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("program");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("panel") << int(MenuItem::PanelClock) << int(Program::PanelClock)
                               << QStringList{"Settings/Start=1", "Settings/Kind=1"};
        QTest::newRow("list") << int(MenuItem::ListClock) << int(Program::ListClock)
                              << QStringList{"Settings/Start=1", "Settings/Kind=2"};
        QTest::newRow("settings") << int(MenuItem::Settings) << int(Program::Settings)
                                  << QStringList{"Settings/Start=1"};
        QTest::newRow("title bar") << int(MenuItem::TitleBarClock) << int(Program::TitleBarClock)
                                   << QStringList{"Settings/Start=1", "Settings/Kind=0"};
    }

    void menuHandOvers()
    {
        QFETCH(int, item);
        QFETCH(int, program);
        QFETCH(QStringList, writes);
        StoreClockFixture f;
        f.install(Program(program));
        const MenuOutcome outcome =
            DisplayMenu::choose(MenuItem(item), f.store, f.starter, f.folder());
        QVERIFY(outcome.end);
        QVERIFY(!outcome.failure);
        QCOMPARE(f.backend->writes, writes);
        QCOMPARE(f.starter.started, QStringList{f.folder() + HandOver::fileName(Program(program))});
    }

    void endAndFailedSwitch()
    {
        StoreClockFixture f;
        const MenuOutcome end = DisplayMenu::choose(MenuItem::End, f.store, f.starter, f.folder());
        QVERIFY(end.end);
        QVERIFY(f.backend->writes.isEmpty());
        QVERIFY(f.starter.started.isEmpty());

        // The list clock is not there: "Start" goes back to 0 so that no later display takes
        // it, "Kind" stays as written, and the display stays to say so.
        const MenuOutcome missing =
            DisplayMenu::choose(MenuItem::ListClock, f.store, f.starter, f.folder());
        QVERIFY(!missing.end);
        QVERIFY(missing.failure);
        QCOMPARE(missing.failure->program, HandOver::fileName(Program::ListClock));
        QCOMPARE(f.backend->writes,
                 (QStringList{"Settings/Start=1", "Settings/Kind=2", "Settings/Start=0"}));
        QVERIFY(f.starter.started.isEmpty());
    }

    void menusOfBothDisplays()
    {
        QList<MenuItem> caption;
        for (const MenuEntry& e : DisplayMenu::captionEntries())
            caption.push_back(e.item);
        QCOMPARE(caption, (QList<MenuItem>{MenuItem::PanelClock, MenuItem::ListClock,
                                           MenuItem::Settings, MenuItem::End}));
        const std::vector<MenuEntry> band = DisplayMenu::bandEntries();
        QCOMPARE(band.size(), std::size_t(5));
        QCOMPARE(band.front().item, MenuItem::TitleBarClock);
        QCOMPARE(band.back().text, QStringLiteral("End")); // in Japanese under a Japanese locale
        QStringList names;
        for (const MenuEntry& e : band)
            names.push_back(e.name);
        names.removeDuplicates();
        QCOMPARE(names.size(), 5); // tests and users tell them apart
    }
};

QTEST_GUILESS_MAIN(TestCaptionLogic)
#include "tst_captionlogic.moc"
