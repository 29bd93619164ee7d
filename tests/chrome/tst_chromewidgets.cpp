// The chrome's widgets in-process: button presses and clicks, hover through a group, labels
// that repaint only on change, the switch to another program, and the drag's button rule.
#include "ButtonPictures.h"
#include "ClockLook.h"
#include "DisplayLabel.h"
#include "DisplaySwitch.h"
#include "GuiStartup.h"
#include "ImageButton.h"
#include "ImageButtonGroup.h"
#include "IniFileBackend.h"
#include "LoginStartAction.h"
#include "PlaceTime.h"
#include "RecordingStarter.h"
#include "SettingsStore.h"
#include "ShownPicture.h"
#include "StoreClockFixture.h"
#include "WindowDrag.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
          QPoint at = {2, 2})
{
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// Starts nothing; notes what it was asked to start and whether the busy cursor was up.
struct CursorNotingStarter final : ProgramStarter {
    bool start(const QString& filePath) override
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busy = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        started.push_back(filePath);
        return true;
    }
    QStringList started;
    bool busy = false;
};

// The border a press draws shows on the button's corner pixel, over the picture's edge.
bool bordered(ImageButton* button)
{
    return button->grab().toImage().pixel(0, 0) == qRgb(0, 0, 0);
}

} // namespace

class TestChromeWidgets : public QObject {
    Q_OBJECT
private slots:
    // The login entry in a settings folder of the test's own: written and removed by the
    // item, its check mark read from the file whenever the menu opens, a launcher path with
    // blanks, quotes and backslashes read back whole by GLib's desktop entry parser, a link in
    // the entry's place replaced rather than written through, a hand-made entry only ever
    // turned off and on, and a path that no entry can hold refused with a message.
    void startAtLoginWritesAndRemovesTheEntry()
    {
        QTemporaryDir config;
        const QByteArray before = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        const QString launcher = QStringLiteral("/opt/zel clock/\"zel\"\\$x/zelhome");
        QMenu menu;
        QAction* end = menu.addAction(QStringLiteral("end"));
        QAction* item = addLoginStartAction(menu, end, launcher);
        QVERIFY(item);
        QCOMPARE(menu.actions(), (QList<QAction*>{item, end}));
        QVERIFY(item->isCheckable() && !item->isChecked());

        QFile entry(config.filePath(QStringLiteral("autostart/zelhome.desktop")));
        const QString outside = config.filePath(QStringLiteral("elsewhere.desktop"));
        QVERIFY(QDir(config.path()).mkdir(QStringLiteral("autostart")));
        QVERIFY(QFile::link(outside, entry.fileName())); // leading nowhere
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(!QFileInfo(entry.fileName()).isSymLink() && !QFile::exists(outside));
        QProcess parser; // GLib reads Exec and Path as a session does
        parser.start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys; from gi.repository import GLib as G; k = G.KeyFile()\n"
                            "k.load_from_file(sys.argv[1], 0); g = 'Desktop Entry'\n"
                            "print(G.shell_parse_argv(k.get_string(g, 'Exec'))[1][0])\n"
                            "print(k.get_string(g, 'Path'))"),
             entry.fileName()});
        QVERIFY(parser.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(parser.readAllStandardOutput()),
                 launcher + u'\n' + QFileInfo(launcher).path() + u'\n');

        QVERIFY(entry.remove()); // removed behind the clock's back
        emit menu.aboutToShow();
        QVERIFY(!item->isChecked());
        item->trigger(); // on again, then off
        item->trigger();
        QVERIFY(!item->isChecked());
        QVERIFY(!entry.exists());

        // The user's own entry, turned off by hand, reads as off; turned on and off again by
        // the item, it is never deleted.
        const QByteArray own = "[Desktop Entry]\nExec=myclock\nHidden=true\n";
        QVERIFY(entry.open(QIODevice::WriteOnly) && entry.write(own) == own.size());
        entry.close();
        emit menu.aboutToShow();
        QVERIFY(!item->isChecked());
        item->trigger();
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(entry.open(QIODevice::ReadOnly) && entry.readAll() == own && entry.remove());

        QAction* refused = addLoginStartAction(menu, end, QStringLiteral("/opt/a\nb/zelhome"));
        refused->trigger();
        QVERIFY(!refused->isChecked() && !entry.exists());
        const QWidgetList shown = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(shown.begin(), shown.end(),
                            [](QWidget* w) { return w->objectName() == u"loginStartFailure"; }));

        // A relative XDG_CONFIG_HOME is ignored, as sessions ignore it: ~/.config holds the entry.
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", config.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", "relative-config");
        item->trigger();
        const bool inHome = QFile::exists(config.filePath(".config/autostart/zelhome.desktop"));
        item->trigger();
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", before);
        QVERIFY(inHome && !QFileInfo::exists(QStringLiteral("relative-config")));
    }

    void buttonBorderAndClick()
    {
        QWidget window;
        auto* button = new ImageButton("imgend", QString::fromUtf8("終了"), &window);
        QCOMPARE(button->size(), QSize(8, 16));
        QCOMPARE(button->toolTip(), QString::fromUtf8("終了"));
        button->setPicture(QPixmap::fromImage(ButtonPictures::paint(2)));
        QSignalSpy clicks(button, &ImageButton::clicked);
        QVERIFY(!bordered(button));
        send(button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(bordered(button));
        QCOMPARE(clicks.count(), 0); // the click waits for the release
        send(button, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!bordered(button));
        QCOMPARE(clicks.count(), 1);
        // Right button: border too, but no click.
        send(button, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
        QVERIFY(bordered(button));
        send(button, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
        QVERIFY(!bordered(button));
        // Released after leaving the button: no click.
        send(button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        send(button, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {30, 30});
        QCOMPARE(clicks.count(), 1);
    }

    void buttonServesKeyboardAndScreenReaders()
    {
        QWidget window;
        auto* button =
            new ImageButton("imgMinimize", QString::fromUtf8("タイトルバーを追わない"), &window);
        // Tab reaches it; a mouse click does not take the focus.
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        QSignalSpy clicks(button, &ImageButton::clicked);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
        QVERIFY(reader);
        QCOMPARE(reader->role(), QAccessible::Button);
        QCOMPARE(reader->text(QAccessible::Name), QString::fromUtf8("タイトルバーを追わない"));
        // The follow button's tool tip changes with each click; its name follows.
        button->setToolTip(QString::fromUtf8("「タイトルバーを追う」に変更"));
        QCOMPARE(reader->text(QAccessible::Name),
                 QString::fromUtf8("「タイトルバーを追う」に変更"));
        QVERIFY(reader->actionInterface());
        reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks.count(), 2); // an animated click: it comes a moment later
    }

    void groupGivesHoverLooksFromTheStore()
    {
        QWidget window;
        const ButtonPictures pictures;
        auto* change = new ImageButton("imgChange", {}, &window);
        auto* view = new ImageButton("imgView", {}, &window);
        ImageButtonGroup group(pictures, {{change, 8, 9}, {view, 6, 7}}, &window);
        QCOMPARE(shownPicture(change), 8);
        QCOMPARE(shownPicture(view), 6);
        send(view, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        QCOMPARE(shownPicture(view), 7);
        send(change, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        QCOMPARE(shownPicture(view), 6);
        QCOMPARE(shownPicture(change), 9);
        // The button really shows the hover picture's pixels.
        QImage shown(change->size(), QImage::Format_RGB32);
        change->render(&shown);
        QCOMPARE(shown, ButtonPictures::paint(9));
        group.resetAll();
        QCOMPARE(shownPicture(change), 8);
    }

    void labelChangesOnlyWhenTextOrLookChange()
    {
        QWidget window;
        DisplayLabel label("lblTime", QColor(0, 0, 64), &window);
        QVERIFY(label.display("16:00 ", false));
        QVERIFY(!label.display("16:00 ", false));
        QVERIFY(label.display("16:00 ", true));
        QVERIFY(label.opaque());
        QVERIFY(label.autoFillBackground());
        QCOMPARE(label.palette().color(QPalette::Window), QColor(0, 0, 64));
        QVERIFY(!label.display("16:00 ", true));
        QVERIFY(label.display("16:01 ", false));
        QVERIFY(!label.autoFillBackground());
        QCOMPARE(label.frameShape(), QFrame::Box);
        QCOMPARE(label.text(), QStringLiteral("16:01 "));
    }

    // The clocks' date label is 600 x 255 twips; every month's date must fit it in these
    // languages, keeping the language's own month name.
    void dateFitsItsLabelInEveryLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "de_DE", "fr_FR", "ja_JP", "zh_CN"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void dateFitsItsLabelInEveryLanguage()
    {
        QFETCH(QString, locale);
        const QLocale language(locale);
        GuiStartup::setUpApplication();
        QWidget window;
        ClockLook::apply(window);
        DisplayLabel label("lblDate", QColor(128, 64, 0), &window);
        label.setGeometry(0, 0, 40, 17);
        const QFont full = label.font();
        label.shrinkToFit();
        bool shrunk = false;
        for (int month = 1; month <= 12; ++month) {
            const QDateTime at(QDate(2026, month, 28), QTime(12, 0), Qt::UTC);
            const QString text = PlaceTime::dateText(at, language);
            QString name = language.monthName(month, QLocale::ShortFormat);
            if (name.endsWith(u'.'))
                name.chop(1);
            QVERIFY2(text.startsWith(name + u' '), qPrintable(text));
            QVERIFY(text.endsWith(QStringLiteral(" 28 ")));
            label.display(text, false);
            QVERIFY2(label.textFits(), qPrintable(text + u' ' + label.font().toString()));
            QVERIFY(label.font().pointSizeF() >= 6.0);
            shrunk = shrunk || label.font() != full;
        }
        // A text that fits keeps the full size.
        label.display(QStringLiteral("1 28 "), false);
        QCOMPARE(label.font(), full);
        // German and French abbreviations do not fit at the full size.
        if (locale == u"de_DE" || locale == u"fr_FR")
            QVERIFY(shrunk);
    }

    // The window icon is decoded from its own bitmap; a bitmap not made again after the icon
    // changed, or one whose alpha is lost, would show another picture than the PNG.
    void windowIconIsThePngsPicture()
    {
        const QImage icon = GuiStartup::windowIcon();
        const QImage png(QStringLiteral(":/chrome/zelclock.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
                 png.convertToFormat(QImage::Format_ARGB32));
        GuiStartup::setUpApplication();
        QCOMPARE(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }

    void switchFailureKeepsWindowAndClearsStart()
    {
        QTemporaryDir dir;
        SettingsStore store(std::make_unique<IniFileBackend>(dir.filePath("store.ini")));
        RecordingStarter starter;
        QWidget window;
        window.show();
        const QString folder = dir.path() + '/';
        const DisplaySwitch displaySwitch(store, starter, folder, window, "zelpane");
        QVERIFY(!displaySwitch.switchTo({Program::TitleBarClock, Program::PanelClock}));
        QVERIFY(window.isVisible());
        QCOMPARE(store.get(StoreKeys::Start, StoreReader::Clocks), 0);
        QCOMPARE(store.getOr(StoreKeys::Kind, -1), 1);
        QVERIFY(starter.started.isEmpty());
        auto* box = window.findChild<QMessageBox*>("switchFailure");
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("zelpane"));
        QVERIFY(box->text().contains(HandOver::fileName(Program::TitleBarClock)));
        QVERIFY(box->text().contains(dir.path()));
    }

    void unsavedSwitchKeepsWindowAndStartsNothing()
    {
        QTemporaryDir dir;
        // A file where the store's folder should be: the hand-over cannot be written.
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QString storeFile = dir.filePath("blocker/ZelClock/store.ini");
        SettingsStore store(std::make_unique<IniFileBackend>(storeFile));
        const QString program = dir.filePath(HandOver::fileName(Program::Settings));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        RecordingStarter starter;
        QWidget window;
        window.show();
        const DisplaySwitch displaySwitch(store, starter, dir.path() + '/', window, "zelroll");
        QVERIFY(!displaySwitch.switchTo({Program::Settings, std::nullopt}));
        QVERIFY(window.isVisible());
        QVERIFY(starter.started.isEmpty());
        auto* box = window.findChild<QMessageBox*>("switchFailure");
        QVERIFY(box != nullptr);
        QVERIFY2(box->text().contains(storeFile), qPrintable(box->text()));
        QVERIFY(box->text().contains(HandOver::fileName(Program::Settings)));
    }

    // The title-bar and task-bar clocks' menus: a clock chosen writes its own "Kind", the
    // task-bar clock and the settings do not; a switch that started ends the display, one that
    // failed keeps it and says why; both under the busy cursor, like the clocks' buttons.
    void menuSwitches_data()
    {
        QTest::addColumn<int>("self");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("program");
        QTest::addColumn<QStringList>("writes");
        const QString start = QStringLiteral("Settings/Start=1");
        QTest::newRow("title bar: panel")
            << int(Program::TitleBarClock) << "actPanel" << int(Program::PanelClock)
            << QStringList{start, "Settings/Kind=1"};
        QTest::newRow("title bar: list")
            << int(Program::TitleBarClock) << "actList" << int(Program::ListClock)
            << QStringList{start, "Settings/Kind=2"};
        QTest::newRow("title bar: task bar") << int(Program::TitleBarClock) << "actTaskBar"
                                             << int(Program::TaskBarClock) << QStringList{start};
        QTest::newRow("task bar: title bar")
            << int(Program::TaskBarClock) << "actTitleBar" << int(Program::TitleBarClock)
            << QStringList{start, "Settings/Kind=0"};
        QTest::newRow("task bar: settings") << int(Program::TaskBarClock) << "actSettings"
                                            << int(Program::Settings) << QStringList{start};
    }
    void menuSwitches()
    {
        QFETCH(int, self);
        QFETCH(QString, action);
        QFETCH(int, program);
        QFETCH(QStringList, writes);
        StoreClockFixture f;
        CursorNotingStarter starter;
        QWidget window;
        QMenu menu;
        int ends = 0;
        DisplaySwitch(f.store, starter, f.folder(), window, "zelband")
            .fillMenu(menu, Program(self), [&ends] { ++ends; });

        // Not there yet: "Start" goes back to 0, and the display stays to say so.
        menu.findChild<QAction*>(action)->trigger();
        QCOMPARE(ends, 0);
        QVERIFY(window.findChild<QMessageBox*>("switchFailure"));
        QCOMPARE(f.backend->writes, writes + QStringList{"Settings/Start=0"});

        f.backend->writes.clear();
        const QString path = f.install(Program(program));
        menu.findChild<QAction*>(action)->trigger();
        QCOMPARE(ends, 1);
        QCOMPARE(f.backend->writes, writes);
        QCOMPARE(starter.started, QStringList{path});
        QVERIFY(starter.busy);
        QVERIFY(!QGuiApplication::overrideCursor());
        menu.findChild<QAction*>("actEnd")->trigger();
        QCOMPARE(ends, 2);
        QCOMPARE(f.backend->writes, writes); // "End" writes nothing
    }

    void dragNeedsTheLeftButton()
    {
        QWidget window;
        new QWidget(&window); // a window with children of its own, like every real one
        window.show();
        const qsizetype before = window.children().size();
        startWindowDrag(&window, Qt::RightButton);
        startWindowDrag(&window, Qt::NoButton);
        QCOMPARE(window.children().size(), before);
        // With the left button the offscreen platform has no system move, so the window
        // follows the pointer by itself until the release.
        const QPoint start = window.pos();
        startWindowDrag(&window, Qt::LeftButton | Qt::RightButton);
        QCOMPARE(window.children().size(), before + 1);
        QCursor::setPos(QCursor::pos() + QPoint(40, 25));
        send(&window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(window.pos(), start + QPoint(40, 25));
        send(&window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.children().size(), before);
    }
};

QTEST_MAIN(TestChromeWidgets)
#include "tst_chromewidgets.moc"
