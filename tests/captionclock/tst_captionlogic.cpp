// The title-bar clock without its window: where it sits in a title bar, its rotation and
// reload.
#include "CaptionClock.h"
#include "StoreClockFixture.h"
#include "TitleBarStyle.h"

#include <QTest>

class TestCaptionLogic : public QObject {
    Q_OBJECT
private slots:
    // A frame from 300 to 700 at y 80 with a 20 pixel title bar; a clock 16 high, 60 wide
    // besides its place name of 60 ("…" 10); buttons take 60 pixels.
    void fitsBetweenTitleAndButtons_data()
    {
        QTest::addColumn<int>("titleWidth");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("right"); // the frame's right end
        QTest::addColumn<int>("gap");   // the user's, -1 the buttons'
        QTest::addColumn<int>("left");  // expected, -1 hidden
        QTest::addColumn<int>("placeWidth");
        const auto centre = int(TitleAlignment::Centre);
        const auto leftAligned = int(TitleAlignment::Left);
        // Right end at 640, centred 2 below the bar's top.
        QTest::newRow("no title") << 0 << centre << 700 << -1 << 520 << 60;
        // A centred title from 450 to 550, and 10 of air: the place shrinks to 20.
        QTest::newRow("centred title, name elided") << 100 << centre << 700 << -1 << 560 << 20;
        QTest::newRow("centred title, no room") << 140 << centre << 700 << -1 << -1 << 0;
        // Left-aligned after 24 pixels.
        QTest::newRow("left title") << 100 << leftAligned << 700 << -1 << 520 << 60;
        QTest::newRow("left title, name elided") << 200 << leftAligned << 700 << -1 << 534 << 46;
        QTest::newRow("too narrow") << 0 << centre << 429 << -1 << -1 << 0;
        QTest::newRow("just wide enough") << 0 << centre << 430 << -1 << 300 << 10;
        // A dragged gap wins, but never over the buttons nor further left than the whole clock
        // clear of the title needs: set on a wide window, it is the left end of a narrower one.
        QTest::newRow("dragged left") << 0 << centre << 700 << 100 << 480 << 60;
        QTest::newRow("dragged onto the buttons") << 0 << centre << 700 << 20 << 520 << 60;
        QTest::newRow("dragged past the left end") << 0 << centre << 600 << 300 << 300 << 60;
        // The title from 550 to 650: the clock from 660.
        QTest::newRow("dragged over the title") << 100 << centre << 900 << 300 << 660 << 60;
        QTest::newRow("dragged, narrow: the name elided")
            << 100 << centre << 700 << 300 << 560 << 20;
    }
    void fitsBetweenTitleAndButtons()
    {
        QFETCH(int, titleWidth);
        QFETCH(int, alignment);
        QFETCH(int, right);
        QFETCH(int, gap);
        QFETCH(int, left);
        QFETCH(int, placeWidth);
        const TitleBarTheme theme{3.0, 1.2, TitleAlignment(alignment)};
        const CaptionClock::Measure clock{16, 60, 60, 10, titleWidth};
        const auto fit =
            CaptionClock::fitIn(WindowRect{300, 80, right, 300}, 20, clock,
                                gap < 0 ? CaptionClock::buttonGap(theme, 20) : gap, theme);
        if (left < 0)
            QCOMPARE(fit, std::nullopt);
        else // the gap kept is what lies right of the clock
            QCOMPARE(fit, (CaptionClock::Fit{QPoint(left, 82), placeWidth,
                                             right - (left + 60 + placeWidth)}));
        QCOMPARE(CaptionClock::fitIn(std::nullopt, 20, clock, 60, theme), std::nullopt);
    }

    // Each window manager's buttons, scaled with its title bar; others get three square ones.
    void gapPerWindowManager_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("barHeight");
        QTest::addColumn<int>("gap");
        QTest::newRow("openbox") << "Openbox" << 20 << 56;
        QTest::newRow("icewm, doubled") << "IceWM 3.3.1 (Linux/x86_64)" << 48 << 233;
        QTest::newRow("xfwm4") << "Xfwm4" << 29 << 100;
        QTest::newRow("kwin") << "KWin" << 37 << 100;
        QTest::newRow("mutter") << "Mutter" << 37 << 56;
        QTest::newRow("gnome") << "GNOME Shell" << 37 << 56;
        QTest::newRow("unknown") << "Fluxbox" << 20 << 65;
        QTest::newRow("none") << "" << 20 << 65;
    }
    void gapPerWindowManager()
    {
        QFETCH(QString, name);
        QFETCH(int, barHeight);
        QFETCH(int, gap);
        const TitleBarTheme theme = TitleBarStyle::themeOf(name);
        QCOMPARE(CaptionClock::buttonGap(theme, barHeight), gap);
        // Dragged, the clock goes no nearer to the buttons than that, and no further than the
        // title bar's left end.
        const WindowRect frame{0, 0, 800, 600};
        QCOMPARE(CaptionClock::leftOnTitleBar(frame, 790, 100, gap), 800 - gap - 100);
        QCOMPARE(CaptionClock::leftOnTitleBar(frame, -20, 100, gap), 0);
        QCOMPARE(CaptionClock::leftOnTitleBar(frame, 300, 100, gap), 300);
    }

    // The ground is the commonest colour; the text the commonest far from it, else black or
    // white; an unreadable title bar has neither.
    void coloursFromTheTitleBar()
    {
        QImage bar(40, 10, QImage::Format_RGB32);
        bar.fill(QColor(0xd6, 0xd6, 0xd6));
        QCOMPARE(TitleBarStyle::background(bar), QColor(0xd6, 0xd6, 0xd6));
        QCOMPARE(TitleBarStyle::text(bar, QColor(0xd6, 0xd6, 0xd6)), QColor(Qt::black));
        QVERIFY(TitleBarStyle::plain(bar)); // no title in it: not the pixels the screen shows
        for (int x = 0; x < 12; ++x) {
            bar.setPixel(x, 4, qRgb(0x2e, 0x34, 0x36)); // the title's strokes
            bar.setPixel(x, 5, qRgb(0x90, 0x90, 0x90)); // anti-aliased edges, more of them
            bar.setPixel(x, 6, qRgb(0x90, 0x90, 0x90));
        }
        for (int x = 0; x < 40; ++x) // a dark border line under it, longer than the strokes
            bar.setPixel(x, 9, qRgb(0x58, 0x5a, 0x5d));
        QCOMPARE(TitleBarStyle::background(bar), QColor(0xd6, 0xd6, 0xd6));
        QCOMPARE(TitleBarStyle::text(bar, QColor(0xd6, 0xd6, 0xd6)), QColor(0x2e, 0x34, 0x36));
        QVERIFY(!TitleBarStyle::plain(bar));
        QCOMPARE(TitleBarStyle::contrasting(QColor(0x30, 0x40, 0x80)), QColor(Qt::white));
        QVERIFY(!TitleBarStyle::background(QImage()).isValid());
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
