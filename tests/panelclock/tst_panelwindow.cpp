// The panel window in-process: a replaced clock, an in-memory store, a fake foreground window
// and a starter that only records.
#include "ClockWindowFixture.h"
#include "DisplayLabel.h"
#include "ImageButton.h"
#include "PanelWindow.h"
#include "SettingsStore.h"
#include "ShownPicture.h"
#include "UiTexts.h"

#include <QCursor>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <tuple>

namespace {

struct Fixture : ClockWindowFixture {
    Fixture() : ClockWindowFixture(QTime(18, 0)) {}
    std::unique_ptr<PanelWindow> open()
    {
        auto w = std::make_unique<PanelWindow>(store, clock, starter, foreground, folder());
        w->show();
        return w;
    }
};

DisplayLabel* label(QWidget& w, const char* name)
{
    return w.findChild<DisplayLabel*>(name);
}

ImageButton* button(QWidget& w, const char* name)
{
    return w.findChild<ImageButton*>(name);
}

// Counts the paint events of some widgets.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(std::initializer_list<QWidget*> widgets)
    {
        for (QWidget* w : widgets)
            w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

void click(QWidget* target)
{
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

void moveOver(QWidget* target, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                      Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

class TestPanelWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { UiLanguage::install(QLocale::c()); }

    // Each button's tool tip and the name a screen reader reads, the follow button's after
    // `clicks` clicks on it.
    void buttonNamesJapaneseAsQuotedUnderJaJpEnglishUnderEnUs_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("expected");
        struct Row {
            const char* name;
            int clicks;
            const char16_t* japanese;
            const char16_t* english;
        };
        const Row rows[] = {
            {"imgTitleCng", 0, u"タイトルバーの中に入れる", u"Put into the title bar"},
            {"imgView", 0, u"時差を絵で表示", u"Show time differences as a picture"},
            {"imgChange", 0, u"環境設定", u"Settings"},
            {"imgMinimize", 0, u"タイトルバーを追わない", u"Stop following the title bar"},
            {"imgMinimize", 1, u"「タイトルバーを追う」に変更",
             u"Change to \"Follow the title bar\""},
            {"imgMinimize", 2, u"「タイトルバーを追わない」に変更",
             u"Change to \"Stop following the title bar\""},
            {"imgend", 0, u"終了", u"End"},
        };
        for (const char* locale : {"ja_JP.UTF-8", "en_US.UTF-8"}) {
            const bool japanese = QByteArray(locale).startsWith("ja");
            for (const Row& r : rows)
                QTest::addRow("%s %s %d", locale, r.name, r.clicks)
                    << QByteArray(locale) << QString::fromLatin1(r.name) << r.clicks
                    << QString::fromUtf16(japanese ? r.japanese : r.english);
        }
    }
    void buttonNamesJapaneseAsQuotedUnderJaJpEnglishUnderEnUs()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, name);
        QFETCH(int, clicks);
        QFETCH(QString, expected);
        UiTexts::useLocale(locale.constData());
        Fixture f;
        auto w = f.open();
        auto* b = w->findChild<ImageButton*>(name);
        QVERIFY(b != nullptr);
        for (int i = 0; i < clicks; ++i)
            click(b);
        QCOMPARE(b->toolTip(), expected);
        QCOMPARE(b->accessibleName(), expected);
        if (!locale.startsWith("ja"))
            QVERIFY2(UiTexts::japaneseIn(w.get()).isEmpty(),
                     qPrintable(UiTexts::japaneseIn(w.get()).join(u'\n')));
    }

    void emptyStoreShowsTwoJapansAlternating()
    {
        Fixture f;
        auto w = f.open();
        QCOMPARE(w->objectName(), QStringLiteral("fMain2"));
        QCOMPARE(label(*w, "lblPlace")->text(), QStringLiteral("Japan"));
        // 03:00 of the next day in Japan: night, and another date than here.
        QCOMPARE(label(*w, "lblTime")->text(), QStringLiteral("03:00 "));
        QVERIFY(label(*w, "lblTime")->opaque());
        QVERIFY(label(*w, "lblDate")->opaque());
        // Both places are Japan, so the window looks the same at every turn (the alternation
        // itself is PanelClock's, tested without a window).
        for (int i = 0; i < 3; ++i) {
            f.clock.secs += 1.5;
            w->onTick();
            QCOMPARE(label(*w, "lblPlace")->text(), QStringLiteral("Japan"));
            QCOMPARE(label(*w, "lblTime")->text(), QStringLiteral("03:00 "));
        }
        QCOMPARE(f.store.get(StoreKeys::Change, StoreReader::Clocks), 0);
    }

    // Two places of different names: the window shows each in turn, a second apart.
    void showsThePlacesInTurn()
    {
        Fixture f;
        f.set("PlcCount", "1");
        f.set("WP0", "Tokyo");
        f.set("WD0", "9");
        f.set("WP1", "London");
        f.set("WD1", "0");
        auto w = f.open();
        QStringList shown{label(*w, "lblPlace")->text()};
        for (int i = 0; i < 3; ++i) {
            f.clock.secs += 1.5;
            w->onTick();
            shown.push_back(label(*w, "lblPlace")->text());
        }
        QCOMPARE(shown, (QStringList{"Tokyo", "London", "Tokyo", "London"}));
    }

    void nightAndDateHighlightAtSixteenUtc()
    {
        Fixture f;
        f.set("PlcCount", "0");
        f.set("WP0", QString::fromUtf8("東京"));
        f.set("WD0", "9");
        f.clock.utc = QDateTime(QDate(2026, 1, 1), QTime(16, 0), Qt::UTC);
        f.clock.local = QDateTime(QDate(2026, 1, 1), QTime(16, 0), Qt::LocalTime);
        auto w = f.open();
        DisplayLabel* time = label(*w, "lblTime");
        DisplayLabel* date = label(*w, "lblDate");
        QCOMPARE(time->text(), QStringLiteral("01:00 "));
        QVERIFY(time->opaque());
        QCOMPARE(time->background(), QColor(0, 0, 64));
        QVERIFY(date->opaque());
        QCOMPARE(date->background(), QColor(128, 64, 0));
        QCOMPARE(label(*w, "lblPlace")->text(), QString::fromUtf8("東京"));
        QVERIFY(!label(*w, "lblPlace")->opaque());
        // Idle ticks within the same minute repaint nothing; the next minute does.
        PaintCounter paints({time, date, label(*w, "lblPlace")});
        QCoreApplication::processEvents();
        paints.count = 0;
        for (int i = 0; i < 20; ++i) {
            f.clock.secs += 0.1;
            w->onTick();
            QCoreApplication::processEvents();
        }
        QCOMPARE(paints.count, 0);
        f.clock.utc = f.clock.utc.addSecs(60);
        f.clock.local = f.clock.local.addSecs(60);
        w->onTick();
        QTRY_VERIFY(paints.count > 0);
        // The widest 12-hour time fits: the time is wider, the place moves right.
        QVERIFY(HourCycles::save(f.store, HourCycle::Twelve));
        f.clock.utc = QDateTime(QDate(2026, 1, 1), QTime(3, 58), Qt::UTC);
        w->onTick();
        QCOMPARE(time->text(), QStringLiteral("12:58 PM "));
        QVERIFY(time->textFits());
        QCOMPARE(label(*w, "lblPlace")->x(), time->geometry().right()); // borders overlap
    }

    void layoutAndResize()
    {
        Fixture f;
        QVERIFY(f.store.setPlacement(StoreKeys::PanelWindow, {1500, 300, 6000}));
        auto w = f.open();
        QCOMPARE(w->pos(), QPoint(100, 20));
        QCOMPARE(w->size(), QSize(400, 24));
        QCOMPARE(button(*w, "imgMinimize")->geometry(), QRect(24, 1, 8, 16));
        QCOMPARE(label(*w, "lblDate")->geometry(), QRect(40, 0, 40, 17));
        QCOMPARE(label(*w, "lblTime")->geometry(), QRect(80, 0, 41, 17));
        QCOMPARE(label(*w, "lblPlace")->geometry(), QRect(120, 0, 280, 17));
        w->resize(500, 60);
        QCOMPARE(w->height(), 24);
        QCOMPARE(label(*w, "lblPlace")->width(), 380);
        w->resize(50, 24); // narrower than buttons, date and time: the place has no room
        QCOMPARE(label(*w, "lblPlace")->width(), 0);
        QVERIFY(w->width() >= 120);
        // No window manager's decoration: the window's own edges resize it, wider, not taller.
        QVERIFY(w->windowFlags().testFlags(Qt::Tool | Qt::FramelessWindowHint));
        QVERIFY(w->testAttribute(Qt::WA_ShowWithoutActivating));
        w->resize(400, 24);
        for (const auto& [name, x, by, want] :
             {std::tuple{"frameLeft", 0, -30, QRect(70, 20, 430, 24)},
              std::tuple{"frameRight", 429, 50, QRect(70, 20, 480, 24)}}) {
            auto* grip = w->findChild<QWidget*>(name);
            QCOMPARE(w->childAt(x, 5), grip); // above the button and label at the edge
            QCursor::setPos(w->mapToGlobal(QPoint(x, 5)));
            QTest::mousePress(grip, Qt::LeftButton, {}, grip->mapFrom(w.get(), QPoint(x, 5)));
            QCursor::setPos(QCursor::pos() + QPoint(by, 40));
            moveOver(grip, Qt::LeftButton);
            QTest::mouseRelease(grip, Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(w->geometry(), want);
        }
    }

    void followsTheForegroundTitleBarUntilToggled()
    {
        Fixture f;
        auto w = f.open();
        const int width = w->frameGeometry().width(); // the border lies inside the 60 pixels too
        f.foreground.rect = WindowRect{300, 80, 700, 380};
        w->onTick();
        QCOMPARE(w->pos(), QPoint(700 - 60 - width, 82));
        f.foreground.rect = WindowRect{10, 400, 610, 500};
        w->onTick();
        QCOMPARE(w->pos(), QPoint(610 - 60 - width, 402));
        ImageButton* toggle = button(*w, "imgMinimize");
        click(toggle);
        f.foreground.rect = WindowRect{300, 80, 700, 380};
        w->onTick();
        QCOMPARE(w->pos(), QPoint(610 - 60 - width, 402));
        // No foreground window (or the panel itself): following again, it stays.
        f.foreground.rect.reset();
        click(toggle);
        w->onTick();
        QCOMPARE(w->pos(), QPoint(610 - 60 - width, 402));
    }

    void withoutSightOfOtherWindowsStaysPutAndSaysWhy()
    {
        Fixture f;
        f.foreground.followable = false;
        f.foreground.rect = WindowRect{300, 80, 700, 380}; // would be followed if it could be
        auto w = f.open();
        const QPoint at = w->pos();
        w->onTick();
        ImageButton* toggle = button(*w, "imgMinimize");
        QVERIFY(!toggle->isEnabled());
        QVERIFY(toggle->toolTip().contains(QStringLiteral("cannot follow")));
        click(toggle);
        w->onTick();
        QCOMPARE(w->pos(), at);
        // Still the tool tip that says why: the click changed nothing.
        QVERIFY(toggle->toolTip().contains(QStringLiteral("cannot follow")));
    }

    void switchButtonsWriteAndStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("program");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("imgTitleCng") << "imgTitleCng" << int(Program::TitleBarClock)
                                     << QStringList{"Settings/Start=1", "Settings/Kind=1"};
        QTest::newRow("imgView") << "imgView" << int(Program::ListClock)
                                 << QStringList{"Settings/Start=1"};
        QTest::newRow("imgChange")
            << "imgChange" << int(Program::Settings) << QStringList{"Settings/Start=1"};
    }
    void switchButtonsWriteAndStart()
    {
        QFETCH(QString, name);
        QFETCH(int, program);
        QFETCH(QStringList, writes);
        Fixture f;
        const QString path = f.install(Program(program));
        auto w = f.open();
        f.backend->writes.clear();
        click(button(*w, name.toUtf8().constData()));
        QCOMPARE(f.starter.started, QStringList{path});
        QVERIFY(!w->isVisible());
        // The hand-over, then the position saved by the close.
        QCOMPARE(f.backend->writes.mid(0, writes.size()), writes);
        const QStringList rest = f.backend->writes.mid(writes.size());
        QCOMPARE(rest.size(), 3);
        QVERIFY(rest[0].startsWith("Settings/MainLeft="));
        QVERIFY(rest[1].startsWith("Settings/MainTop="));
        QVERIFY(rest[2].startsWith("Settings/MainWidth="));
    }

    void missingProgramLeavesPanelOpen()
    {
        Fixture f; // nothing installed: zelcaption is not part of the suite
        auto w = f.open();
        f.backend->writes.clear();
        click(button(*w, "imgTitleCng"));
        QVERIFY(w->isVisible());
        QVERIFY(f.starter.started.isEmpty());
        QCOMPARE(f.backend->writes,
                 (QStringList{"Settings/Start=1", "Settings/Kind=1", "Settings/Start=0"}));
        auto* box = w->findChild<QMessageBox*>("switchFailure");
        QVERIFY(box != nullptr);
        QVERIFY(box->text().contains("zelcaption"));
        QVERIFY(box->text().contains(f.programs.path()));
    }

    void endSavesPositionForNextStart()
    {
        Fixture f;
        {
            auto w = f.open();
            w->move(222, 111);
            w->resize(450, 24);
            f.backend->writes.clear();
            click(button(*w, "imgend"));
            QVERIFY(!w->isVisible());
            QCOMPARE(f.backend->writes,
                     (QStringList{"Settings/MainLeft=3330", "Settings/MainTop=1665",
                                  "Settings/MainWidth=6750"}));
        }
        auto again = f.open();
        QCOMPARE(again->pos(), QPoint(222, 111));
        QCOMPARE(again->width(), 450);
    }

    void hoverAndLabelsReset()
    {
        Fixture f;
        auto w = f.open();
        ImageButton* view = button(*w, "imgView");
        ImageButton* change = button(*w, "imgChange");
        moveOver(view);
        QCOMPARE(shownPicture(view), 7);
        moveOver(change);
        QCOMPARE(shownPicture(view), 6);
        QCOMPARE(shownPicture(change), 9);
        moveOver(w.get()); // the bare background keeps the highlight
        QCOMPARE(shownPicture(change), 9);
        const QPoint at = w->pos();
        moveOver(label(*w, "lblPlace"), Qt::RightButton); // resets, but no drag
        QCOMPARE(shownPicture(change), 8);
        QCOMPARE(w->pos(), at);
        QCOMPARE(shownPicture(button(*w, "imgTitleCng")), 0);
        QCOMPARE(shownPicture(button(*w, "imgend")), 2);
        QCOMPARE(shownPicture(button(*w, "imgMinimize")), 4);
    }
};

QTEST_MAIN(TestPanelWindow)
#include "tst_panelwindow.moc"
