// The title-bar clock without its window: where it sits in a title bar, its rotation and
// reload.
#include "CaptionClock.h"
#include "StoreClockFixture.h"

#include <QTest>

class TestCaptionLogic : public QObject {
    Q_OBJECT
private slots:
    void sitsLeftOfTheTitleBarButtons()
    {
        // A frame from x 300 to 600 at y 80: a 200 pixel clock ends 96 pixels left of 600,
        // 2.48 pixels below the top (rounded to the pixel).
        QCOMPARE(CaptionClock::placeIn(WindowRect{300, 80, 600, 255}, QSize(200, 18), 96),
                 std::optional<QPoint>(QPoint(304, 82)));
        QCOMPARE(CaptionClock::placeIn(WindowRect{-400, -30, 100, 70}, QSize(100, 18), 96),
                 std::optional<QPoint>(QPoint(-96, -28)));
        // A gap over the buttons keeps clear of them; one beyond the title bar's left end
        // stops there.
        QCOMPARE(CaptionClock::placeIn(WindowRect{300, 80, 700, 255}, QSize(200, 18), 0),
                 std::optional<QPoint>(QPoint(404, 82)));
        QCOMPARE(CaptionClock::placeIn(WindowRect{300, 80, 700, 255}, QSize(200, 18), 600),
                 std::optional<QPoint>(QPoint(300, 82)));
        // No foreground window: hidden.
        QCOMPARE(CaptionClock::placeIn(std::nullopt, QSize(200, 18), 96), std::nullopt);
        // Too narrow to hold the clock beside the buttons: hidden rather than hanging out.
        QCOMPARE(CaptionClock::placeIn(WindowRect{300, 80, 595, 200}, QSize(200, 18), 96),
                 std::nullopt);
        QVERIFY(CaptionClock::placeIn(WindowRect{300, 80, 596, 200}, QSize(200, 18), 96));
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
};

QTEST_GUILESS_MAIN(TestCaptionLogic)
#include "tst_captionlogic.moc"
