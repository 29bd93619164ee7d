// The task-bar clock's windows in-process: the tray icon's tool tip and the list it opens, and
// on a desktop without a tray the list as a window of its own that keeps its position.
#include "BandListWindow.h"
#include "BandWindow.h"
#include "ClockWindowFixture.h"
#include "DisplayLabel.h"
#include "SettingsStore.h"
#include "UiTexts.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

struct Fixture : ClockWindowFixture {
    Fixture() : ClockWindowFixture(QTime(13, 0))
    {
        QVERIFY(backend->write(u"Data", u"PlcCount", "1"));
        QVERIFY(backend->write(u"Data", u"WP0", "Tokyo"));
        QVERIFY(backend->write(u"Data", u"WD0", "9"));
        QVERIFY(backend->write(u"Data", u"WP1", "London"));
        QVERIFY(backend->write(u"Data", u"WD1", "0"));
    }
};

// The parts of the clock, found as the program's other windows and its children.
template <typename T> T* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t && t->objectName() == QLatin1String(name))
            return t;
    }
    return nullptr;
}
QMenu* bandMenu()
{
    return topLevel<QMenu>("bandMenu");
}
BandListWindow* listWindow()
{
    return topLevel<BandListWindow>("fBandList");
}
QSystemTrayIcon* trayIcon(const BandWindow& band)
{
    return band.findChild<QSystemTrayIcon*>(QStringLiteral("trayIcon"));
}
// What the clock's logic gives as the tray icon's tool tip for this store and clock.
QString expectedToolTip(Fixture& f)
{
    BandClock clock(f.store, f.clock);
    clock.start();
    return clock.toolTip();
}

QString rowText(const BandListWindow& list, int row)
{
    QString text;
    for (const char* prefix : {"lblDate_", "lblTime_", "lblPlace_"})
        text += list.findChild<DisplayLabel*>(prefix + QString::number(row))->text();
    return text;
}

} // namespace

class TestBandWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { UiLanguage::install(QLocale::c()); }

    // The menu and, without a tray, the list window's note on why.
    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<QString>("listTip");
        QTest::newRow("ja_JP")
            << QByteArray("ja_JP.UTF-8")
            << QStringList{QStringLiteral("タイトルバーの中に入れる"),
                           QStringLiteral("独立した時計で表示"),
                           QStringLiteral("時差を絵で表示"),
                           QStringLiteral("環境設定"),
                           QStringLiteral("12時間表示"),
                           QStringLiteral("ログイン時に起動"),
                           QStringLiteral("終了")}
            << QStringLiteral("このデスクトップにはシステムトレイがないため、タスクバー時計は"
                              "このウィンドウに場所を表示します。");
        QTest::newRow("en_US") << QByteArray("en_US.UTF-8")
                               << QStringList{QStringLiteral("Put into the title bar"),
                                              QStringLiteral("Show as a separate clock"),
                                              QStringLiteral("Show time differences as a picture"),
                                              QStringLiteral("Settings"),
                                              QStringLiteral("12-hour clock"),
                                              QStringLiteral("Start at login"),
                                              QStringLiteral("End")}
                               << QStringLiteral("This desktop has no system tray, so the "
                                                 "task-bar clock shows its places in this window.");
    }
    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QStringList, menu);
        QFETCH(QString, listTip);
        UiTexts::useLocale(locale.constData());
        Fixture f;
        BandWindow band(f.store, f.clock, f.starter, BandMode::Window, f.folder());
        QStringList shown;
        for (const QAction* a : bandMenu()->actions())
            shown.push_back(a->text());
        QCOMPARE(shown, menu);
        QCOMPARE(listWindow()->toolTip(), listTip);
    }

    void trayToolTipAndList()
    {
        Fixture f;
        BandWindow band(f.store, f.clock, f.starter, BandMode::Tray, f.folder());
        QVERIFY(trayIcon(band));
        QVERIFY(!trayIcon(band)->icon().isNull());
        QCOMPARE(trayIcon(band)->toolTip(), expectedToolTip(f));
        QVERIFY(trayIcon(band)->toolTip().contains("22:00 Tokyo"));
        QCOMPARE(trayIcon(band)->contextMenu(), bandMenu());
        // With the 12-hour clock and "Start at login" before "End".
        QCOMPARE(bandMenu()->actions().size(), 7);
        QCOMPARE(bandMenu()->actions().front()->objectName(), QStringLiteral("actTitleBar"));

        BandListWindow* list = listWindow();
        QVERIFY(!list->isVisible());
        band.toggleList(); // first click opens
        QVERIFY(list->isVisible());
        QVERIFY(list->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(list->rowCount(), 3);
        QVERIFY(rowText(*list, 0).endsWith("13:00 Local"));
        QVERIFY(rowText(*list, 1).endsWith("22:00 Tokyo"));
        QVERIFY(rowText(*list, 2).endsWith("13:00 London"));
        QVERIFY(
            QGuiApplication::primaryScreen()->availableGeometry().contains(list->frameGeometry()));
        band.toggleList(); // the second closes
        QVERIFY(!list->isVisible());

        band.toggleList();
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());

        // The minute moves on: the open list and the tool tip follow at the next tick.
        band.toggleList();
        f.clock.utc = f.clock.utc.addSecs(60);
        band.onTick();
        QVERIFY(rowText(*list, 1).endsWith("22:01 Tokyo"));
        QVERIFY(trayIcon(band)->toolTip().contains("22:01 Tokyo"));
    }

    void fallbackWindowKeepsItsPosition()
    {
        Fixture f;
        {
            BandWindow band(f.store, f.clock, f.starter, BandMode::Window, f.folder());
            QVERIFY(!trayIcon(band));
            BandListWindow* list = listWindow();
            QVERIFY(list->isVisible());
            QCOMPARE(list->toolTip(), BandClock::noTrayReason());
            QCOMPARE(list->rowCount(), 3);
            // Nothing stored: the bottom right corner of the available area.
            const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
            QCOMPARE(list->frameGeometry().bottomRight(), area.bottomRight());

            list->move(150, 90);
            QSignalSpy ended(&band, &BandWindow::ended);
            f.backend->writes.clear();
            bandMenu()->findChild<QAction*>("actEnd")->trigger();
            QCOMPARE(ended.count(), 1);
            QCOMPARE(f.backend->writes,
                     (QStringList{"Settings/BandLeft=2250", "Settings/BandTop=1350"}));
        }
        BandWindow again(f.store, f.clock, f.starter, BandMode::Window, f.folder());
        QCOMPARE(listWindow()->pos(), QPoint(150, 90));
    }

    // A tray that comes takes the icon and the window goes, keeping its place for later; a
    // tray that goes brings the window back there.
    void followsTheTrayComingAndGoing()
    {
        Fixture f;
        bool tray = false;
        BandWindow band(f.store, f.clock, f.starter, BandMode::Window, f.folder(),
                        [&tray] { return tray; });
        BandListWindow* list = listWindow();
        QVERIFY(list->isVisible() && !trayIcon(band));
        list->move(150, 90);

        tray = true;
        band.onTick();
        QVERIFY(trayIcon(band) && trayIcon(band)->isVisible());
        QVERIFY(!list->isVisible());
        QCOMPARE(trayIcon(band)->toolTip(), expectedToolTip(f));
        QCOMPARE(f.store.get(StoreKeys::BandLeft, StoreReader::Clocks), 2250.0f);

        tray = false;
        band.onTick();
        QVERIFY(!trayIcon(band));
        QVERIFY(list->isVisible());
        QCOMPARE(list->toolTip(), BandClock::noTrayReason());
        QCOMPARE(list->pos(), QPoint(150, 90));
        QCOMPARE(list->rowCount(), 3);
    }
};

QTEST_MAIN(TestBandWindow)
#include "tst_bandwindow.moc"
