#include "ClockWindowFixture.h"
#include "DisplayLabel.h"
#include "ImageButton.h"
#include "ListWindow.h"
#include "SettingsStore.h"
#include "ShownPicture.h"
#include "StripWidget.h"
#include "UiTexts.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>
#include <memory>

namespace {

struct Fixture : ClockWindowFixture {
    std::unique_ptr<ListWindow> window;

    ListWindow& open()
    {
        window = std::make_unique<ListWindow>(store, clock, starter, folder());
        window->show();
        backend->writes.clear();
        return *window;
    }

    // A row's control: "lblPlace" and 1 find "lblPlace_1".
    template <typename T> T* control(const char* name, int row) const
    {
        return window->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(row));
    }
    QString text(const char* name, int row) const
    {
        QLabel* l = control<QLabel>(name, row);
        return l ? l->text() : QStringLiteral("<none>");
    }
    ImageButton* button(const char* name) const
    {
        return window->findChild<ImageButton*>(QString::fromLatin1(name));
    }
    StripWidget* stripOf(int row) const { return control<StripWidget>("lblTimeZone", row); }
    QStringList strip(int row) const
    {
        QStringList out;
        for (const StripCellView& v : stripOf(row)->row())
            out << QString::number(v.cell.hour);
        return out;
    }
    // What the strip really paints inside a cell, clear of its border and above its hour.
    QColor cellBackground(int row, int column) const
    {
        const QRect cell = StripWidget::cellRect(column);
        return stripOf(row)->grab().toImage().pixelColor(cell.left() + 2, cell.top() + 2);
    }
    // The tool tip a pointer resting on the cell brings up.
    QString cellToolTip(int row, int column) const
    {
        StripWidget* strip = stripOf(row);
        const QPoint at = StripWidget::cellRect(column).center();
        QHelpEvent help(QEvent::ToolTip, at, strip->mapToGlobal(at));
        QCoreApplication::sendEvent(strip, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

void moveOver(QWidget* w, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                  buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QStringList hours(std::initializer_list<int> list)
{
    QStringList out;
    for (int h : list)
        out << QString::number(h);
    return out;
}

} // namespace

class TestListWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UiLanguage::install(QLocale::c()); }

    // Each button's tool tip and the name a screen reader reads; the local row's name.
    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        struct Row {
            const char* name;
            const char16_t* japanese;
            const char16_t* english;
        };
        const Row rows[] = {
            {"imgTitleCng", u"タイトルバーの中に入れる", u"Put into the title bar"},
            {"imgView", u"独立した時計で表示", u"Show as a separate clock"},
            {"imgChange", u"環境設定", u"Settings"},
            {"imgend", u"終了", u"End"},
            {"imgDW", u"帯の色分けを切り替える", u"Switch the strips' colouring"}, // no tool tip
            {"lblPlace_0", u"Local", u"Local"},
        };
        for (const char* locale : {"ja_JP.UTF-8", "en_US.UTF-8"}) {
            const bool japanese = QByteArray(locale).startsWith("ja");
            for (const Row& r : rows)
                QTest::addRow("%s %s", locale, r.name)
                    << QByteArray(locale) << QString::fromLatin1(r.name)
                    << QString::fromUtf16(japanese ? r.japanese : r.english);
        }
    }
    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        UiTexts::useLocale(locale.constData());
        Fixture f;
        ListWindow& w = f.open();
        if (auto* b = w.findChild<ImageButton*>(name)) {
            QCOMPARE(b->toolTip(), name == "imgDW" ? QString() : expected);
            QCOMPARE(b->accessibleName(), expected);
        } else {
            QCOMPARE(w.findChild<DisplayLabel*>(name)->text(), expected);
        }
        if (!locale.startsWith("ja"))
            QVERIFY2(UiTexts::japaneseIn(&w).isEmpty(),
                     qPrintable(UiTexts::japaneseIn(&w).join(u'\n')));
    }

    void emptyStoreOpensAtTheDefaults()
    {
        Fixture f;
        ListWindow& w = f.open();
        QCOMPARE(w.size(), QSize(8175 / 15, 1200 / 15));
        QCOMPARE(w.pos(), QPoint(20, 7)); // 300 and 100 twips
        QCOMPARE(f.text("lblPlace", 0), QStringLiteral("Local"));
        QCOMPARE(f.text("lblPlace", 1), QStringLiteral("Japan"));
        QCOMPARE(f.text("lblPlace", 2), QStringLiteral("Japan"));
        QCOMPARE(f.text("lblTime", 1), QStringLiteral("21:00 "));
        QCOMPARE(f.text("lblPlace", 3), QString()); // beyond PlcCount: never written
        QCOMPARE(w.findChild<QLabel*>("lblDW")->text(), QStringLiteral("Day - Night"));
        QVERIFY((w.windowFlags() & Qt::WindowStaysOnTopHint) != 0);
        QVERIFY(!(w.windowFlags() & Qt::WindowTitleHint));
    }

    void heightFollowsThePlaceCount_data()
    {
        QTest::addColumn<int>("plcCount");
        QTest::addColumn<int>("height");
        QTest::newRow("none") << -1 << 720;
        QTest::newRow("six") << 5 << 2160;
    }
    void heightFollowsThePlaceCount()
    {
        QFETCH(int, plcCount);
        QFETCH(int, height);
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, plcCount));
        ListWindow& w = f.open();
        QCOMPARE(w.height() * 15, height);
        // Every shown row lies inside the window.
        QLabel* last = f.control<QLabel>("lblPlace", plcCount + 1);
        QVERIFY(last->geometry().bottom() < w.height());
        QCOMPARE(f.text("lblPlace", plcCount + 1), plcCount < 0 ? "Local" : "Japan");
        // No part of a row beyond the places shows at the bottom edge.
        for (int r = 0; r < 7; ++r) {
            const bool shown = r <= plcCount + 1;
            QCOMPARE(f.control<QLabel>("lblPlace", r)->isVisibleTo(&w), shown);
            QCOMPARE(f.stripOf(r)->isVisibleTo(&w), shown);
        }
    }

    void widthHasAMinimumAndHeightSnapsBack()
    {
        Fixture f;
        QVERIFY(f.store.setPlacement(StoreKeys::ListWindow, {300, 100, 5000}));
        ListWindow& w = f.open();
        QCOMPARE(w.width(), 545);
        w.resize(300, 300);
        QCOMPARE(w.size(), QSize(545, 80));
        w.resize(10000 / 15, 500);
        QTRY_COMPARE(w.size(), QSize(10000 / 15, 80));
        const int client = 10000 / 15;
        for (int r = 0; r < 7; ++r)
            QCOMPARE(f.control<QLabel>("lblPlace", r)->width(), client - 6960 / 15);
        QCOMPARE(w.findChild<QLabel*>("lblDW")->width(), client - 6360 / 15);
        // Its own frame, not the window manager's: the edges at the right and left resize it.
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w.childAt(client - 1, 30), w.findChild<QWidget*>("frameRight"));
        QCOMPARE(w.childAt(0, 30), w.findChild<QWidget*>("frameLeft"));
    }

    void stripShowsTheComingHoursInBothModes()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
        f.addPlace(0, "Zero", 0);
        f.addPlace(1, "Five", 5);
        f.setNow(QDateTime(QDate(2026, 1, 1), QTime(0, 10), Qt::UTC));
        ListWindow& w = f.open();
        QCOMPARE(f.strip(1).first(), "0");
        QCOMPARE(f.strip(1).last(), "23");
        QCOMPARE(f.strip(2).mid(18, 3), hours({23, 24, 1}));
        QCOMPARE(f.cellBackground(1, 7), QColor(0, 0, 128)); // hour 7: night
        QCOMPARE(f.cellBackground(1, 8), QColor(255, 255, 128));
        QCOMPARE(f.cellToolTip(1, 0), "Jan 01 00:00");
        QCOMPARE(f.cellToolTip(2, 19), "Jan 02 00:00");
        // A screen reader finds each painted cell by its tool tip, where it is drawn.
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(f.stripOf(2));
        QCOMPARE(strip->childCount(), 24);
        QAccessibleInterface* cell = strip->child(19);
        QCOMPARE(cell->text(QAccessible::Name), "Jan 02 00:00");
        QCOMPARE(strip->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QCOMPARE(strip->indexOfChild(cell), 19);

        QTest::mouseClick(f.button("imgDW"), Qt::LeftButton);
        QCOMPARE(w.findChild<QLabel*>("lblDW")->text(), QStringLiteral("AM - PM"));
        QCOMPARE(f.cellBackground(1, 7), QColor(255, 255, 128));
        QCOMPARE(f.cellBackground(1, 13), QColor(128, 255, 128));
        QCOMPARE(f.cellBackground(2, 19), QColor(128, 255, 128)); // 24

        // Back to "Day - Night", repainted from the clock as it is now.
        f.setNow(QDateTime(QDate(2026, 1, 1), QTime(23, 10), Qt::UTC));
        QTest::mouseClick(f.button("imgDW"), Qt::LeftButton);
        QCOMPARE(w.findChild<QLabel*>("lblDW")->text(), QStringLiteral("Day - Night"));
        QCOMPARE(f.strip(1).mid(0, 3), hours({23, 24, 1}));
        QCOMPARE(f.cellBackground(1, 0), QColor(0, 0, 128));
        QCOMPARE(f.strip(2).first(), "4");
    }

    void changeReloadsEverythingAndTheStrips()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 5));
        for (int i = 0; i <= 5; ++i)
            f.addPlace(i, QStringLiteral("Old%1").arg(i), i);
        ListWindow& w = f.open();
        QCOMPARE(f.strip(1).first(), "12");

        f.setNow(f.clock.utc.addSecs(3 * 3600));
        QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
        f.addPlace(0, "Paris", 1);
        f.addPlace(1, "Rome", 1);
        QVERIFY(f.store.set(StoreKeys::Change, 1));
        w.onTick();
        QCOMPARE(f.store.get(StoreKeys::Change, StoreReader::Clocks), 0);
        QCOMPARE(w.height() * 15, 1200);
        QCOMPARE(f.text("lblPlace", 1), QStringLiteral("Paris"));
        QCOMPARE(f.text("lblTime", 1), QStringLiteral("16:00 "));
        QCOMPARE(f.text("lblPlace", 4), QStringLiteral("Old3")); // not touched, not seen
        QVERIFY(!f.control<QLabel>("lblPlace", 4)->isVisibleTo(&w));
        QVERIFY(f.control<QLabel>("lblPlace", 2)->isVisibleTo(&w));
        // The strip follows the new place and the hours that passed.
        QCOMPARE(f.strip(1).first(), "16");
        // The timer itself does it too.
        f.addPlace(0, "Oslo", 1);
        QVERIFY(f.store.set(StoreKeys::Change, 1));
        QTRY_COMPARE(f.text("lblPlace", 1), QStringLiteral("Oslo"));
    }

    // The wheel over a strip looks ahead, drawn apart from the present; Escape and a click on
    // the local time come back. Digits on the chosen row type a time there.
    void lookingAheadAndTypingATime()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 0));
        QVERIFY(f.store.set(StoreKeys::WP, 0, QStringLiteral("New York")));
        QVERIFY(f.store.set(StoreKeys::TZ, 0, QStringLiteral("America/New_York")));
        f.setNow(QDateTime(QDate(2027, 3, 14), QTime(5, 10), Qt::UTC)); // 00:10 in New York
        ListWindow& w = f.open();
        auto* time = f.control<DisplayLabel>("lblTime", 1);
        QWheelEvent wheel(QPointF(5, 5), QPointF(), QPoint(), QPoint(0, 3 * 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.stripOf(1), &wheel);
        QCOMPARE(f.text("lblTime", 1), QStringLiteral("04:10 ")); // summer time began at 3
        QVERIFY(time->opaque() && time->font().italic());
        QCOMPARE(w.findChild<QLabel*>("lblAhead")->text(), QStringLiteral("+3:00"));
        const QPoint frame = StripWidget::cellRect(3).topLeft() + QPoint(1, 5);
        QCOMPARE(f.stripOf(1)->grab().toImage().pixelColor(frame), QColor(230, 0, 0));
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(f.text("lblTime", 1), QStringLiteral("00:10 "));
        QVERIFY(!time->font().italic() && !w.findChild<QLabel*>("lblAhead")->isVisible());
        QTest::keyClick(&w, Qt::Key_Right, Qt::ShiftModifier);
        QTest::mouseClick(f.control<QLabel>("lblTime", 0), Qt::LeftButton);
        QCOMPARE(f.text("lblTime", 1), QStringLiteral("00:10 "));

        // The chosen row's name is marked by a line under it, inside the border.
        auto* name = f.control<DisplayLabel>("lblPlace", 1);
        const QImage unmarked = name->grab().toImage();
        QTest::keyClick(&w, Qt::Key_Up); // from none to the last row
        QVERIFY(name->marked() && name->grab().toImage() != unmarked);
        QTest::mouseClick(f.control<QLabel>("lblPlace", 0), Qt::LeftButton);
        QVERIFY(!name->marked() && f.control<DisplayLabel>("lblPlace", 0)->marked());
        QTest::keyClick(&w, Qt::Key_Down);
        QTest::keyClick(&w, Qt::Key_2);
        auto* editor = w.findChild<QLineEdit*>("edTime");
        QCOMPARE(editor->geometry(), time->geometry());
        QTest::keyClicks(editor, ":3x0");
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(editor->isVisible() && QToolTip::text().contains("summer time"));
        editor->setText("9");
        QTest::keyClick(editor, Qt::Key_Enter);
        QVERIFY(!editor->isVisible());
        QCOMPARE(f.text("lblTime", 1), QStringLiteral("09:00 "));
    }

    void highlightsAreOpaqueOnlyWhileTheyHold()
    {
        Fixture f;
        QVERIFY(f.store.set(StoreKeys::PlcCount, 1));
        f.addPlace(0, "Ahead", 13);
        f.addPlace(1, "Same", 0);
        f.setNow(QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC));
        ListWindow& w = f.open();
        auto* date = f.control<DisplayLabel>("lblDate", 1);
        auto* time = f.control<DisplayLabel>("lblTime", 1);
        QVERIFY(date->opaque()); // Jan 02 01:00
        QVERIFY(time->opaque());
        QVERIFY(!f.control<DisplayLabel>("lblDate", 2)->opaque());
        QVERIFY(!f.control<DisplayLabel>("lblTime", 0)->opaque());
        QCOMPARE(date->background(), QColor(128, 64, 0));
        QCOMPARE(time->background(), QColor(0, 0, 64));
        // Past local midnight the same place shares the local day again.
        f.setNow(QDateTime(QDate(2026, 1, 2), QTime(0, 30), Qt::UTC));
        w.onTick();
        QVERIFY(!date->opaque());
        QVERIFY(f.control<DisplayLabel>("lblDate", 0)->opaque() == false);
    }

    void hoverLooks()
    {
        Fixture f;
        f.open();
        ImageButton* view = f.button("imgView");
        ImageButton* change = f.button("imgChange");
        ImageButton* dw = f.button("imgDW");
        moveOver(view);
        QCOMPARE(shownPicture(view), 7);
        moveOver(change);
        QCOMPARE(shownPicture(view), 6);
        QCOMPARE(shownPicture(change), 9);
        // The mode switch lights up alone: imgChange keeps its hover look.
        moveOver(dw);
        QCOMPARE(shownPicture(dw), 9);
        QCOMPARE(shownPicture(change), 9);
        // The strip does nothing; a label resets every button.
        moveOver(f.stripOf(1));
        QCOMPARE(shownPicture(change), 9);
        moveOver(f.control<QLabel>("lblPlace", 1));
        QCOMPARE(shownPicture(change), 8);
        QCOMPARE(shownPicture(dw), 8);
        QCOMPARE(shownPicture(f.button("imgend")), 2);
        QCOMPARE(shownPicture(f.button("imgTitleCng")), 0);
    }

    // Shown, the window leaves the keyboard where it is; clicked into, Tab takes it through the
    // buttons from the left, and Space on the last switches the strips' mode.
    void keyboardRouteThroughTheButtons()
    {
        Fixture f;
        ListWindow& w = f.open();
        QVERIFY(w.testAttribute(Qt::WA_ShowWithoutActivating));
        QTest::mouseClick(f.control<QLabel>("lblPlace", 0), Qt::LeftButton);
        QCOMPARE(w.focusWidget(), &w);
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
            order << w.focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"imgTitleCng", "imgView", "imgChange", "imgend", "imgDW"}));
        QTest::keyClick(w.focusWidget(), Qt::Key_Space);
        QCOMPARE(w.findChild<QLabel*>("lblDW")->text(), QStringLiteral("AM - PM"));
        QCOMPARE(f.button("imgDW")->size(), QSize(8, 16));
    }

    void switchButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("imgTitleCng")
            << "imgTitleCng"
            << "zelcaption" << QStringList{"Settings/Start=1", "Settings/Kind=1"};
        QTest::newRow("imgView") << "imgView"
                                 << "zelpane" << QStringList{"Settings/Start=1", "Settings/Kind=2"};
        QTest::newRow("imgChange") << "imgChange"
                                   << "zelsetup" << QStringList{"Settings/Start=1"};
    }
    void switchButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, program);
        QFETCH(QStringList, writes);
        Fixture f;
        f.install(program);
        ListWindow& w = f.open();
        w.move(123, 45);
        w.resize(600, 80);
        QTest::mouseClick(f.button(button.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(f.starter.started, QStringList{f.folder() + program});
        QVERIFY(!w.isVisible());
        // The hand-over first, then the position saved by the close.
        QCOMPARE(f.backend->writes.mid(0, writes.size()), writes);
        QCOMPARE(f.store.placement(StoreKeys::ListWindow),
                 (WindowPlacement{123 * 15, 45 * 15, 600 * 15}));
    }

    void aProgramThatCannotStartKeepsTheWindow()
    {
        Fixture f; // no programs installed
        ListWindow& w = f.open();
        QTest::mouseClick(f.button("imgView"), Qt::LeftButton);
        QVERIFY(f.starter.started.isEmpty());
        QVERIFY(w.isVisible());
        QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 0);
        auto* box = w.findChild<QMessageBox*>("switchFailure");
        QVERIFY(box);
        QVERIFY(box->text().contains("zelpane"));
        // No position was saved: the window did not close.
        QVERIFY(!f.backend->writes.join(' ').contains("MainLLeft"));
    }

    void anUnmovedWindowKeepsItsStoredPlace()
    {
        Fixture f;
        QVERIFY(f.store.setPlacement(StoreKeys::ListWindow, {301, 100, 9001})); // between pixels
        ListWindow& w = f.open();
        QCOMPARE(w.pos(), QPoint(20, 7));
        QTest::mouseClick(f.button("imgend"), Qt::LeftButton);
        QCOMPARE(f.store.placement(StoreKeys::ListWindow), (WindowPlacement{301, 100, 9001}));
    }

    void aNarrowStoredWidthIsSavedAsTheMinimum()
    {
        Fixture f;
        QVERIFY(f.store.setPlacement(StoreKeys::ListWindow, {300, 100, 5000}));
        ListWindow& w = f.open();
        w.close();
        QCOMPARE(f.store.placement(StoreKeys::ListWindow), (WindowPlacement{300, 100, 8175}));
    }

    void exitSavesThePosition()
    {
        Fixture f;
        ListWindow& w = f.open();
        w.move(40, 60);
        QTest::mouseClick(f.button("imgend"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(f.starter.started.isEmpty());
        QCOMPARE(f.store.placement(StoreKeys::ListWindow), (WindowPlacement{600, 900, 8175}));
        QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 0);
    }
};

QTEST_MAIN(TestListWindow)

#include "tst_listwindow.moc"
