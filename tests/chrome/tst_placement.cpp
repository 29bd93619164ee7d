// Where the clock windows open and what they save, on the offscreen platform's fixed screen:
// hostile stored places open wholly on the screen, places already on it are used exactly, a
// window closed where it opened leaves the store's twips as they were, a screen change keeps a
// shown window on the screen, and a hostile place name widens no window.
#include "BandWindow.h"
#include "CaptionWindow.h"
#include "ClockWindowFixture.h"
#include "DisplayLabel.h"
#include "ElidedText.h"
#include "ListWindow.h"
#include "PanelWindow.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "WindowPlacer.h"

#include <QApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>
#include <QToolTip>
#include <limits>
#include <memory>

namespace {

enum class Kind { Panel, List, Caption, Band };

// A foreground window for the title-bar clock to sit on, narrower than a 10 kB name.
constexpr int kTitledWidth = 400;

// No foreground window: the panel stays where it opened.
struct Fixture : ClockWindowFixture {
    std::unique_ptr<QWidget> open(Kind kind, const WindowPlacement& stored)
    {
        std::unique_ptr<QWidget> w;
        if (kind == Kind::Panel) {
            if (!store.setPlacement(StoreKeys::PanelWindow, stored))
                return nullptr;
            w = std::make_unique<PanelWindow>(store, clock, starter, foreground, QString());
        } else {
            if (!store.setPlacement(StoreKeys::ListWindow, stored))
                return nullptr;
            w = std::make_unique<ListWindow>(store, clock, starter, QString());
        }
        w->show();
        return w;
    }
    WindowPlacement saved(Kind kind)
    {
        return store.placement(kind == Kind::Panel ? StoreKeys::PanelWindow
                                                   : StoreKeys::ListWindow);
    }
};

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(WindowPlacement)

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void onScreenRule()
    {
        const QRect screen(0, 0, 800, 600);
        QCOMPARE(WindowPlacer::onScreen({10, 20, 300, 24}, screen), QRect(10, 20, 300, 24));
        QCOMPARE(WindowPlacer::onScreen({-50, 590, 300, 24}, screen), QRect(0, 576, 300, 24));
        QCOMPARE(WindowPlacer::onScreen({700, -5, 300, 24}, screen), QRect(500, 0, 300, 24));
        QCOMPARE(WindowPlacer::onScreen({-9, 0, 5000, 24}, screen), QRect(0, 0, 800, 24));
        QCOMPARE(WindowPlacer::onScreen({300, 10, 900, 24}, screen), QRect(0, 10, 800, 24));
        // A second screen to the right is a screen like any other.
        QCOMPARE(WindowPlacer::onScreen({1500, 10, 200, 24}, QRect(800, 0, 1024, 768)),
                 QRect(1500, 10, 200, 24));
    }

    void screenForTwoMonitors()
    {
        // Left 1280 x 800, right 1024 x 768 beside it.
        const std::vector<QRect> screens{{0, 0, 1280, 800}, {1280, 0, 1024, 768}};
        const auto on = [&](QRect wanted) { return WindowPlacer::screenFor(wanted, screens); };
        QCOMPARE(on({100, 10, 300, 24}), screens[0]);
        QCOMPARE(on({1200, 10, 300, 24}), screens[1]);  // most of it on the right
        QCOMPARE(on({3000, 100, 300, 24}), screens[1]); // right of both: the right one
        QCOMPARE(on({1500, 780, 300, 24}), screens[1]); // below the right, beside the left
        QCOMPARE(on({-900, 900, 300, 24}), screens[0]);
        // Saved on a monitor that is gone, it opens wholly on the nearest.
        QCOMPARE(WindowPlacer::onScreen({2500, 300, 300, 24}, on({2500, 300, 300, 24})),
                 QRect(2004, 300, 300, 24));
    }

    // A running clock left off the screen by a screen change follows it onto the screen.
    void shownWindowsFollowAScreenChange_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("panel") << Kind::Panel;
        QTest::newRow("list") << Kind::List;
    }

    void shownWindowsFollowAScreenChange()
    {
        QFETCH(Kind, kind);
        Fixture f;
        const auto w = f.open(kind, WindowPlacement{1000, 1500, 8175});
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QScreen* screen = QGuiApplication::primaryScreen();
        // The offscreen screen cannot shrink: the window leaves it instead, and the screen says
        // that it changed.
        w->move(screen->geometry().bottomRight() - QPoint(40, 10));
        emit screen->geometryChanged(screen->geometry());
        QTRY_VERIFY(screen->geometry().contains(w->frameGeometry()));
    }

    // A 10 kB place name: every display shows its start cut with "…" in the room its layout
    // gives, and keeps its own width; where the name is cut, a tool tip shows more of it.
    void longNamesAreElidedInEveryDisplay_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("widest");
        // The list clock and the panel keep their stored width; the title-bar clock stays within
        // the title bar it sits on; the tray clock's window has the name's room and what date,
        // time and borders take, well under 120 pixels.
        const int stored = Twips::toPixels(8175);
        const int sized = Twips::toPixels(ElidedText::kNameRoomTwips) + 120;
        QTest::newRow("list clock") << Kind::List << "lblPlace_1" << stored;
        QTest::newRow("panel") << Kind::Panel << "lblPlace" << stored;
        QTest::newRow("title-bar clock") << Kind::Caption << "lblPlace" << kTitledWidth;
        QTest::newRow("tray clock's window") << Kind::Band << "lblPlace_1" << sized;
    }

    void longNamesAreElidedInEveryDisplay()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, label);
        QFETCH(int, widest);
        Fixture f;
        const QString name = QStringLiteral("Tokyo ").repeated(1707);
        QVERIFY(f.backend->write(u"Data", u"PlcCount", "1"));
        QVERIFY(f.backend->write(u"Data", u"WP0", name.toUtf8()));
        std::unique_ptr<QObject> display;
        if (kind == Kind::Caption) {
            f.foreground.rect = WindowRect{0, 0, kTitledWidth, kTitledWidth};
            display = std::make_unique<CaptionWindow>(f.store, f.clock, f.starter, f.foreground,
                                                      QString());
        } else if (kind == Kind::Band) {
            display = std::make_unique<BandWindow>(f.store, f.clock, f.starter, BandMode::Window,
                                                   QString());
        } else {
            display = f.open(kind, WindowPlacement{1000, 1500, 8175});
        }
        const QWidget* window = nullptr;
        for (const QWidget* w : QApplication::topLevelWidgets())
            window = w->findChild<DisplayLabel*>(label) ? w : window;
        QVERIFY(window);
        const auto* place = window->findChild<DisplayLabel*>(label);
        QVERIFY2(window->width() <= widest, qPrintable(QString::number(window->width())));
        QVERIFY(place->text().startsWith(QStringLiteral("Tokyo T")));
        QVERIFY(place->text().endsWith(u'…'));
        QVERIFY(place->textFits());
        if (kind == Kind::List || kind == Kind::Panel) {
            QVERIFY(place->toolTip().size() > place->text().size());
            QVERIFY(place->toolTip().size() < name.size());
        }
    }

    void longNamesAreElidedInTheTrayToolTip()
    {
        Fixture f;
        QVERIFY(f.backend->write(u"Data", u"PlcCount", "0")); // one place
        QVERIFY(f.backend->write(u"Data", u"WP0", QByteArray("Tokyo ").repeated(1707)));
        const BandWindow band(f.store, f.clock, f.starter, BandMode::Tray, QString());
        const QStringList lines = band.findChild<QSystemTrayIcon*>()->toolTip().split(u'\n');
        QCOMPARE(lines.size(), 2); // the computer's own time and the place
        QVERIFY(lines[1].endsWith(u'…'));
        QVERIFY(QFontMetrics(QToolTip::font()).horizontalAdvance(lines[1]) <=
                Twips::toPixels(ElidedText::kToolTipRoomTwips));
    }

    void hostileStoredPlacesOpenWhollyOnTheScreen_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<WindowPlacement>("stored");
        const float huge = std::numeric_limits<float>::max();
        const float nan = std::numeric_limits<float>::quiet_NaN();
        for (const Kind kind : {Kind::Panel, Kind::List}) {
            const char* k = kind == Kind::Panel ? "panel " : "list ";
            QTest::addRow("%swidth 1e7", k) << kind << WindowPlacement{1000, 1500, 1e7f};
            // Beyond the store's range: read as the default width, still on the screen.
            QTest::addRow("%swidth 1e9", k) << kind << WindowPlacement{1000, 1500, 1e9f};
            QTest::addRow("%sleft 1e30", k) << kind << WindowPlacement{1e30f, 1500, 5000};
            QTest::addRow("%sleft -99999999", k) << kind << WindowPlacement{-99999999.0f, 0, 8175};
            QTest::addRow("%stop below the screen", k)
                << kind << WindowPlacement{1000, 9000000, 8175};
            QTest::addRow("%sfloat max everywhere", k)
                << kind << WindowPlacement{huge, -huge, huge};
            QTest::addRow("%snot numbers", k) << kind << WindowPlacement{nan, nan, nan};
        }
    }

    void hostileStoredPlacesOpenWhollyOnTheScreen()
    {
        QFETCH(Kind, kind);
        QFETCH(WindowPlacement, stored);
        Fixture f;
        const auto w = f.open(kind, stored);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY2(screen.contains(w->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                     .arg(w->x())
                                                                     .arg(w->y())
                                                                     .arg(w->width())
                                                                     .arg(w->height())));
        QVERIFY(w->width() >= w->minimumWidth());
        // Wider than the screen yet a number the store accepts: the screen's width from its left.
        if (stored.width > 1e6f && stored.width < 16777216.0f) {
            QCOMPARE(w->frameGeometry().width(), screen.width());
            QCOMPARE(w->frameGeometry().left(), screen.left());
        }
        // What is saved opens on the screen again, unchanged.
        w->close();
        const WindowPlacement saved = f.saved(kind);
        const auto again = f.open(kind, saved);
        QCOMPARE(again->geometry(), w->geometry());
    }

    void placeOnTheScreenIsUsedAndKeptExactly_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("panel") << Kind::Panel;
        QTest::newRow("list") << Kind::List;
    }

    void placeOnTheScreenIsUsedAndKeptExactly()
    {
        QFETCH(Kind, kind);
        Fixture f;
        // Twips between two pixels: 1000 is 66.7 pixels, 4995 is 333 pixels.
        const WindowPlacement stored{1000, 1507, 8177};
        const auto w = f.open(kind, stored);
        QCOMPARE(w->pos(), QPoint(67, 100));
        QCOMPARE(w->width(), 545);
        for (int i = 0; i < 3; ++i) {
            f.backend->writes.clear();
            w->close();
            QCOMPARE(f.saved(kind), stored);
            w->show();
        }
        // Moved or resized, the new place is saved to the pixel.
        w->move(200, 150);
        w->resize(600, w->height());
        w->close();
        QCOMPARE(f.saved(kind), (WindowPlacement{3000, 2250, 9000}));
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
