// The title-bar clock's window in-process: what it shows, in which colours and size, where it
// goes with the foreground window, that it never asks for the focus, and its menu.
#include "CaptionWindow.h"
#include "ClockWindowFixture.h"
#include "DisplayLabel.h"
#include "SettingsStore.h"
#include "UiTexts.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {

struct Fixture : ClockWindowFixture {
    Fixture() : ClockWindowFixture(QTime(13, 0))
    {
        QVERIFY(backend->write(u"Data", u"PlcCount", "0"));
        QVERIFY(backend->write(u"Data", u"WP0", "Tokyo"));
        QVERIFY(backend->write(u"Data", u"WD0", "9"));
    }
};

// The right-click menu of the other displays.
QMenu* menuOf(const CaptionWindow& w)
{
    return w.findChild<QMenu*>(QStringLiteral("captionMenu"));
}

} // namespace

class TestCaptionWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { UiLanguage::install(QLocale::c()); }

    void menuJapaneseAsQuotedUnderJaJpEnglishUnderEnUs_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("ja_JP") << QByteArray("ja_JP.UTF-8")
                               << QStringList{QStringLiteral("独立した時計で表示"),
                                              QStringLiteral("時差を絵で表示"),
                                              QStringLiteral("タスクバーに表示"),
                                              QStringLiteral("環境設定"),
                                              QStringLiteral("12時間表示"),
                                              QStringLiteral("ログイン時に起動"),
                                              QStringLiteral("終了")};
        QTest::newRow("en_US") << QByteArray("en_US.UTF-8")
                               << QStringList{QStringLiteral("Show as a separate clock"),
                                              QStringLiteral("Show time differences as a picture"),
                                              QStringLiteral("Show in the task bar"),
                                              QStringLiteral("Settings"),
                                              QStringLiteral("12-hour clock"),
                                              QStringLiteral("Start at login"),
                                              QStringLiteral("End")};
    }
    void menuJapaneseAsQuotedUnderJaJpEnglishUnderEnUs()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QStringList, texts);
        UiTexts::useLocale(locale.constData());
        Fixture f;
        f.foreground.rect = WindowRect{100, 50, 700, 450};
        CaptionWindow w(f.store, f.clock, f.starter, f.foreground, f.folder());
        QStringList shown;
        for (const QAction* a : menuOf(w)->actions())
            shown.push_back(a->text());
        QCOMPARE(shown, texts);
        // The message of a failed switch too.
        menuOf(w)->findChild<QAction*>("actPanel")->trigger();
        auto* box = w.findChild<QMessageBox*>();
        QVERIFY(box != nullptr);
        QCOMPARE(UiTexts::hasJapanese(box->text()), locale.startsWith("ja"));
        if (!locale.startsWith("ja"))
            QVERIFY2(UiTexts::japaneseIn(&w).isEmpty(),
                     qPrintable(UiTexts::japaneseIn(&w).join(u'\n')));
    }

    void showsThePlaceInTheTitleBarColours()
    {
        Fixture f;
        f.foreground.rect = WindowRect{100, 50, 700, 450};
        // A grey title bar shaded from top to bottom with a dark title, as the window manager
        // drew it.
        f.foreground.bar = TitleBar{24, QStringLiteral("xterm")};
        f.foreground.manager = QStringLiteral("Xfwm4"); // the title centred
        f.foreground.pixels = QImage(600, 24, QImage::Format_RGB32);
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 600; ++x)
                f.foreground.pixels.setPixel(x, y, qRgb(0xd6, 0xd6, 0xd6 - y));
        }
        for (int x = 290; x < 310; ++x)
            f.foreground.pixels.setPixel(x, 12, qRgb(0x2e, 0x34, 0x36));
        CaptionWindow w(f.store, f.clock, f.starter, f.foreground, f.folder());
        const auto* date = w.findChild<DisplayLabel*>("lblDate");
        const auto* time = w.findChild<DisplayLabel*>("lblTime");
        const auto* place = w.findChild<DisplayLabel*>("lblPlace");
        QVERIFY(date && time && place);
        QCOMPARE(date->text() + time->text() + place->text(),
                 QLocale().toString(QDate(2026, 1, 1), "MMM dd ") + "22:00 Tokyo");
        QVERIFY(time->opaque()); // 22:00 is a night hour
        QVERIFY(!date->opaque());
        QCOMPARE(place->frameShape(), QFrame::NoFrame);

        // The clock's ground repeats the bar's rows beside it.
        QTRY_VERIFY(!w.palette().brush(QPalette::Window).textureImage().isNull());
        const QImage ground = w.palette().brush(QPalette::Window).textureImage();
        QCOMPARE(ground.size(), QSize(1, w.height()));
        QCOMPARE(ground.pixelColor(0, 3), QColor(0xd6, 0xd6, 0xd6 - (w.y() - 50) - 3));
        QCOMPARE(date->palette().color(QPalette::WindowText), QColor(0x2e, 0x34, 0x36));
        QCOMPARE(place->palette().color(QPalette::WindowText), QColor(0x2e, 0x34, 0x36));
        // The night time keeps its dark ground, and a text that stands out on it.
        QCOMPARE(time->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(w.font().bold());
        // One line of the title bar's font, inside the bar and centred on it.
        QVERIFY(w.height() >= QFontMetrics(w.font()).height());
        QVERIFY(w.height() <= 24);
        QCOMPARE(w.y(), 50 + (24 - w.height()) / 2);
        // Half as high a bar: a smaller font, still inside.
        f.foreground.bar.height = 12;
        w.onTick();
        QVERIFY(w.height() <= 12);
        QVERIFY(w.width() >= QFontMetrics(w.font()).horizontalAdvance("22:00 Tokyo"));

        QVERIFY(w.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(w.testAttribute(Qt::WA_ShowWithoutActivating));
    }

    // Dragged along the title bar, the clock keeps the new gap for every window after; it
    // stays on the title bar however far it is dragged, and the gap is stored.
    void dragSetsTheGap_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("gap");
        QTest::newRow("40 to the left") << -40 << 105;
        QTest::newRow("right onto the buttons: no nearer than their room") << 60 << 65;
        QTest::newRow("past the right end") << 500 << 65;
        QTest::newRow("past the left end: at the title bar's") << -900 << -1;
    }

    void dragSetsTheGap()
    {
        QFETCH(int, dx);
        QFETCH(int, gap);
        Fixture f;
        f.foreground.rect = WindowRect{100, 50, 700, 450};
        CaptionWindow w(f.store, f.clock, f.starter, f.foreground, f.folder());
        w.onTick();
        // Through the window system's window, so that the press lands on whatever child is
        // under the pointer, as a real one does: the texts cover nearly all of the clock.
        QWindow* window = w.windowHandle();
        const QPoint from = w.findChild<QWidget*>("lblTime")->geometry().center();
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        const QPoint pointer = window->mapToGlobal(from + QPoint(dx, 30));
        QTest::mouseMove(window, from + QPoint(dx, 30));
        // Released where the pointer is, over the clock that has moved along the title bar.
        QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(pointer));
        QCOMPARE(w.y(), 50 + (20 - w.height()) / 2); // along the title bar only
        if (gap < 0)                                 // the clock's left end on the window's
            gap = 700 - (100 + w.frameGeometry().width());
        QCOMPARE(f.store.get(StoreKeys::CaptionGap, StoreReader::Clocks), float(gap * 15));
        f.foreground.rect = WindowRect{0, 300, 1000, 600};
        w.onTick();
        QCOMPARE(w.frameGeometry().right() + 1, 1000 - gap);
        // On a window narrower than the gap asks, the clock stays on it, as far left as it goes.
        constexpr int kSpare = 65 + 30; // the buttons' room and some
        f.foreground.rect->right = w.frameGeometry().width() + kSpare;
        w.onTick();
        QVERIFY(w.isVisible());
        QCOMPARE(w.frameGeometry().right() + 1, f.foreground.rect->right - std::min(gap, kSpare));
    }

    void followsAndHides()
    {
        Fixture f;
        CaptionWindow w(f.store, f.clock, f.starter, f.foreground, f.folder());
        QVERIFY(!w.isVisible()); // an empty desktop: nothing to sit on

        f.foreground.rect = WindowRect{100, 50, 700, 450};
        w.onTick();
        QVERIFY(w.isVisible());
        QCOMPARE(w.frameGeometry().right() + 1, 700 - 65); // three square buttons and air
        QCOMPARE(w.y(), 50 + (20 - w.height()) / 2);

        // Under icewm, a taller bar: its five buttons cleared.
        f.foreground.rect = WindowRect{0, 300, 1000, 600};
        f.foreground.manager = QStringLiteral("IceWM 3.3.1 (Linux/x86_64)");
        f.foreground.bar.height = 24;
        w.onTick();
        QCOMPARE(w.frameGeometry().right() + 1, 1000 - 116);
        QCOMPARE(w.y(), 300 + (24 - w.height()) / 2);

        // A longer name keeps the right end where it was.
        QVERIFY(f.backend->write(u"Data", u"WP0", "Ulaanbaatar, Mongolia"));
        QVERIFY(f.backend->write(u"Data", u"Change", "1"));
        w.onTick();
        QCOMPARE(w.frameGeometry().right() + 1, 1000 - 116);

        // A centred title reaching past the clock's place: the name goes before the clock.
        const auto titleTo = [&](int right) {
            QString title;
            while (500 + QFontMetrics(w.font()).horizontalAdvance(title) / 2 < right)
                title += u'x';
            f.foreground.bar.title = title;
            w.onTick();
        };
        titleTo(w.x() + 10);
        QVERIFY(w.isVisible());
        const auto* place = w.findChild<DisplayLabel*>("lblPlace");
        QVERIFY(place->text().endsWith(u'…'));
        QCOMPARE(w.frameGeometry().right() + 1, 1000 - 116);
        titleTo(1000 - 116);
        QVERIFY(!w.isVisible());

        f.foreground.rect.reset();
        w.onTick();
        QVERIFY(!w.isVisible());
    }

    void menuHandsOver()
    {
        Fixture f;
        f.foreground.rect = WindowRect{100, 50, 700, 450};
        CaptionWindow w(f.store, f.clock, f.starter, f.foreground, f.folder());
        QSignalSpy ended(&w, &CaptionWindow::ended);
        QStringList names;
        for (const QAction* a : menuOf(w)->actions())
            names.push_back(a->objectName());
        QCOMPARE(names, (QStringList{"actPanel", "actList", "actTaskBar", "actSettings",
                                     "actClock12", "actLoginStart", "actEnd"}));
        // The 12-hour clock for every display: the key and the reload flag in one write.
        f.backend->writes.clear();
        const int rounds = f.backend->rounds;
        menuOf(w)->findChild<QAction*>("actClock12")->trigger();
        QCOMPARE(f.backend->writes, (QStringList{"Settings/Clock12=1", "Data/Change=1"}));
        QCOMPARE(f.backend->rounds, rounds + 1);
        QVERIFY(menuOf(w)->findChild<QAction*>("actClock12")->isChecked());

        // The panel clock is missing: a message, and the clock stays.
        f.backend->writes.clear();
        menuOf(w)->findChild<QAction*>("actPanel")->trigger();
        QCOMPARE(ended.count(), 0);
        QVERIFY(w.findChild<QMessageBox*>("switchFailure"));
        QCOMPARE(f.backend->writes,
                 (QStringList{"Settings/Start=1", "Settings/Kind=1", "Settings/Start=0"}));

        const QString program = f.install(Program::PanelClock);
        menuOf(w)->findChild<QAction*>("actPanel")->trigger();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(f.starter.started, QStringList{program});
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestCaptionWindow)
#include "tst_captionwindow.moc"
