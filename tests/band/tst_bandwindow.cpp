// The task-bar clock's windows in-process: the tray icon's tool tip and the list it opens, and
// on a desktop without a tray the list as a window of its own that keeps its position.
#include "BandDisplay.h"
#include "BandListWindow.h"
#include "DisplayLabel.h"
#include "FakeClock.h"
#include "RecordingBackend.h"
#include "RecordingStarter.h"
#include "SettingsStore.h"
#include "UiTexts.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Fixture {
    RecordingBackend* backend = new RecordingBackend;
    SettingsStore store{std::unique_ptr<StoreBackend>(backend)};
    FakeClock clock;
    RecordingStarter starter;
    QTemporaryDir programs;

    Fixture()
    {
        clock.utc = QDateTime(QDate(2026, 1, 1), QTime(13, 0), Qt::UTC);
        clock.local = QDateTime(QDate(2026, 1, 1), QTime(13, 0), Qt::LocalTime);
        backend->write(u"Data", u"PlcCount", "1");
        backend->write(u"Data", u"WP0", "Tokyo");
        backend->write(u"Data", u"WD0", "9");
        backend->write(u"Data", u"WP1", "London");
        backend->write(u"Data", u"WD1", "0");
    }
    QString folder() const { return programs.path() + '/'; }
};

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
            << QByteArray("ja_JP.UTF-8") << QStringList{QStringLiteral("タイトルバーの中に入れる"),
                                                        QStringLiteral("独立した時計で表示"),
                                                        QStringLiteral("時差を絵で表示"),
                                                        QStringLiteral("環境設定"),
                                                        QStringLiteral("ログイン時に起動"),
                                                        QStringLiteral("終了")}
            << QStringLiteral("このデスクトップにはシステムトレイがないため、タスクバー時計は"
                              "このウィンドウに場所を表示します。");
        QTest::newRow("en_US") << QByteArray("en_US.UTF-8")
                               << QStringList{QStringLiteral("Put into the title bar"),
                                              QStringLiteral("Show as a separate clock"),
                                              QStringLiteral("Show time differences as a picture"),
                                              QStringLiteral("Settings"),
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
        BandDisplay band(f.store, f.clock, f.starter, BandMode::Window, f.folder());
        QStringList shown;
        for (const QAction* a : band.menu()->actions())
            shown.push_back(a->text());
        QCOMPARE(shown, menu);
        QCOMPARE(band.listWindow()->toolTip(), listTip);
    }

    void trayToolTipAndList()
    {
        Fixture f;
        BandDisplay band(f.store, f.clock, f.starter, BandMode::Tray, f.folder());
        QVERIFY(band.tray());
        QVERIFY(!band.tray()->icon().isNull());
        QCOMPARE(band.tray()->toolTip(), band.band().toolTip());
        QVERIFY(band.tray()->toolTip().contains("22:00 Tokyo"));
        QCOMPARE(band.tray()->contextMenu(), band.menu());
        QCOMPARE(band.menu()->actions().size(), 6); // with "Start at login" before "End"
        QCOMPARE(band.menu()->actions().front()->objectName(), QStringLiteral("actTitleBar"));

        BandListWindow* list = band.listWindow();
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
        QVERIFY(band.tray()->toolTip().contains("22:01 Tokyo"));
    }

    void fallbackWindowKeepsItsPosition()
    {
        Fixture f;
        {
            BandDisplay band(f.store, f.clock, f.starter, BandMode::Window, f.folder());
            QVERIFY(!band.tray());
            BandListWindow* list = band.listWindow();
            QVERIFY(list->isVisible());
            QCOMPARE(list->toolTip(), BandClock::noTrayReason());
            QCOMPARE(list->rowCount(), 3);
            // Nothing stored: the bottom right corner of the available area.
            const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
            QCOMPARE(list->frameGeometry().bottomRight(), area.bottomRight());

            list->move(150, 90);
            QSignalSpy ended(&band, &BandDisplay::ended);
            f.backend->writes.clear();
            band.menu()->findChild<QAction*>("actEnd")->trigger();
            QCOMPARE(ended.count(), 1);
            QCOMPARE(f.backend->writes,
                     (QStringList{"Settings/BandLeft=2250", "Settings/BandTop=1350"}));
        }
        BandDisplay again(f.store, f.clock, f.starter, BandMode::Window, f.folder());
        QCOMPARE(again.listWindow()->pos(), QPoint(150, 90));
    }

    // A tray that comes takes the icon and the window goes, keeping its place for later; a
    // tray that goes brings the window back there.
    void followsTheTrayComingAndGoing()
    {
        Fixture f;
        bool tray = false;
        BandDisplay band(f.store, f.clock, f.starter, BandMode::Window, f.folder(),
                         [&tray] { return tray; });
        BandListWindow* list = band.listWindow();
        QVERIFY(list->isVisible() && !band.tray());
        list->move(150, 90);

        tray = true;
        band.onTick();
        QCOMPARE(band.mode(), BandMode::Tray);
        QVERIFY(band.tray() && band.tray()->isVisible());
        QVERIFY(!list->isVisible());
        QCOMPARE(band.tray()->toolTip(), band.band().toolTip());
        QCOMPARE(f.store.get(StoreKeys::BandLeft, StoreReader::Clocks), 2250.0f);

        tray = false;
        band.onTick();
        QCOMPARE(band.mode(), BandMode::Window);
        QVERIFY(!band.tray());
        QVERIFY(list->isVisible());
        QCOMPARE(list->toolTip(), BandClock::noTrayReason());
        QCOMPARE(list->pos(), QPoint(150, 90));
        QCOMPARE(list->rowCount(), 3);
    }
};

QTEST_MAIN(TestBandWindow)
#include "tst_bandwindow.moc"
