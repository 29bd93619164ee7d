// The settings window on the offscreen platform with a temporary store, a clock of the test's
// own and a starter that records: every control where its twips put it, the list of the mode,
// marks, flag and cross-hair, keyboard use, and OK with a display that starts or does not and
// with a store that cannot be written.
#include "FakeClock.h"
#include "GuiStartup.h"
#include "HelpFile.h"
#include "IniFileBackend.h"
#include "PlaceTable.h"
#include "RecordingStarter.h"
#include "SettingsModel.h"
#include "SettingsStore.h"
#include "SettingsWindow.h"
#include "Twips.h"
#include "UiTexts.h"
#include "WorldDb.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

namespace {

const WorldDb& db()
{
    static const WorldDb instance;
    return instance;
}

struct Fixture {
    QTemporaryDir tmp;
    SettingsStore store{std::make_unique<IniFileBackend>(tmp.filePath("ZelClock.conf"))};
    FakeClock clock;
    RecordingStarter starter;
    SettingsModel model{db(), store, clock};
    std::unique_ptr<SettingsWindow> window;

    explicit Fixture(const std::function<void(SettingsStore&)>& setUp = {})
    {
        clock.utc = QDateTime(QDate(2026, 7, 15), QTime(23, 30), Qt::UTC);
        clock.local = clock.utc;
        QVERIFY(store.set(StoreKeys::Start, 1));
        if (setUp)
            setUp(store);
        model.load();
        window = std::make_unique<SettingsWindow>(model, starter, tmp.path() + '/', QString());
        window->show();
    }
    template <typename W = QWidget> W* child(const QString& name) const
    {
        auto* w = window->findChild<W*>(name);
        if (!w)
            qFatal("no %s", qPrintable(name));
        return w;
    }
    void addProgram(const char* name)
    {
        QFile file(tmp.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    }
    // The pick list in use.
    QListWidget* list() const
    {
        static const std::map<PickList, QString> names{
            {PickList::CountryEnglish, QStringLiteral("lstCountryName")},
            {PickList::CityEnglish, QStringLiteral("lstCityName")},
            {PickList::CountryJapanese, QStringLiteral("lstCountryNameJ")},
            {PickList::CityJapanese, QStringLiteral("lstCityNameJ")},
        };
        return child<QListWidget>(names.at(model.pickList()));
    }
    int row(const QString& name) const
    {
        const auto items = list()->findItems(name, Qt::MatchExactly);
        if (items.isEmpty())
            qFatal("no row %s", qPrintable(name));
        return list()->row(items.first());
    }
};

QColor ground(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GuiStartup::setUpApplication(); }
    void layoutInTwips();
    void captionsAndTips();
    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs_data();
    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs();
    void cleanup() { UiLanguage::install(QLocale::c()); }
    void listOfTheMode();
    void slotsMarksAndTimes();
    void slotClicksAndPicks();
    void arrowsStayInTheSlots();
    void flagAndCrossHair();
    void keyboard();
    void okSavesAndHandsOver();
    void searchPickRenameAndOk();
    void failedStartKeepsTheWindow();
    void failedSaveKeepsTheWindowAndStartsNothing();
    void helpAndAbout();
    void f1OpensTheHelpAtTheFocusedControl_data();
    void f1OpensTheHelpAtTheFocusedControl();
};

void TestSettingsWindow::layoutInTwips()
{
    Fixture f;
    QCOMPARE(f.window->objectName(), QStringLiteral("fMainSet"));
    QCOMPARE(f.window->size(), Twips::rect(0, 0, 9105, 6345).size());
    struct Expected {
        const char* name;
        QRect rect;
    };
    // Positions in the window, in the frame, or in the option boxes, as the parent is.
    const Expected expected[] = {
        {"Frame1", Twips::rect(120, 0, 3495, 2415)},
        {"lblCT", Twips::rect(120, 240, 975, 255)},
        {"lblCltp", Twips::rect(120, 520, 1335, 255)},
        {"picJE", Twips::rect(1200, 240, 2175, 255)},
        {"optJE_0", Twips::rect(0, 0, 1200, 255)},
        {"optJE_1", Twips::rect(1200, 0, 975, 255)},
        {"picSelectPattern", Twips::rect(1680, 555, 1695, 255)},
        {"optSelectPattern_1", Twips::rect(960, 0, 735, 255)},
        {"optClock_0", Twips::rect(120, 840, 255, 255)},
        {"optClock_5", Twips::rect(120, 2040, 255, 255)},
        {"lblClock_0", Twips::rect(480, 900, 2175, 255)},
        {"lblClock_5", Twips::rect(480, 2100, 2175, 255)},
        {"lblTime_3", Twips::rect(2640, 1620, 495, 255)},
        {"lblSummer_2", Twips::rect(3120, 1380, 255, 255)},
        {"txtSearch", Twips::rect(120, 2760, 3495, 300)},
        {"lstCityName", Twips::rect(120, 3060, 3495, 1200)},
        {"lstCountryNameJ", Twips::rect(120, 3060, 3495, 1200)},
        {"lstFound", Twips::rect(120, 3060, 3495, 1200)},
        {"lblTitle_1", Twips::rect(3720, 3360, 1455, 255)},
        {"lblCountryName", Twips::rect(5160, 3360, 3855, 255)},
        {"lblTitle_2", Twips::rect(3720, 3720, 1815, 255)},
        {"lblCapital", Twips::rect(5160, 3720, 3855, 495)},
        {"lblTitle_8", Twips::rect(1320, 4320, 1095, 255)},
        {"lblLanguage", Twips::rect(2400, 4320, 6615, 615)},
        {"lblTitle_3", Twips::rect(120, 5040, 1815, 255)},
        {"lblCurrency", Twips::rect(1200, 5040, 7815, 255)},
        {"lblTitle_9", Twips::rect(120, 5400, 855, 495)},
        {"lblExchange", Twips::rect(1200, 5400, 3975, 495)},
        {"imgFlag", Twips::rect(120, 4320, 870, 600)},
        {"lblTitle_4", Twips::rect(240, 2520, 615, 255)},
        {"lblTimeDifUTC", Twips::rect(960, 2475, 855, 255)},
        {"lblTitle_5", Twips::rect(1920, 2520, 735, 255)},
        {"lblTimeDifLocal", Twips::rect(2760, 2475, 855, 255)},
        {"imgWorld", Twips::rect(3720, 120, 5235, 3090)},
        {"cmdOK_0", Twips::rect(6960, 5760, 975, 285)},
        {"cmdOK_1", Twips::rect(8040, 5760, 975, 285)},
        {"cmdHelp", Twips::rect(8040, 5400, 975, 285)},
        {"cmdAbout", Twips::rect(6960, 5400, 975, 285)},
    };
    for (const Expected& e : expected)
        QCOMPARE(f.child(QLatin1String(e.name))->geometry(), e.rect);
    QCOMPARE(f.child("lblSummer_0")->parentWidget(), f.child("Frame1"));
    QCOMPARE(f.child("optJE_1")->parentWidget(), f.child("picJE"));
    // The map is shown at its own size.
    QCOMPARE(f.child<QLabel>("imgWorld")->pixmap().size(), QSize(349, 206));
}

void TestSettingsWindow::captionsAndTips()
{
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Zel's World Clock"));
    QCOMPARE(ground(f.window.get()), QColor(0, 64, 64));
    QCOMPARE(f.child<QGroupBox>("Frame1")->title(), QStringLiteral("Clock"));
    QCOMPARE(f.child<QPushButton>("cmdOK_0")->text(), QStringLiteral("O K"));
    QCOMPARE(f.child<QPushButton>("cmdOK_1")->text(), QStringLiteral("Cancel"));
    QCOMPARE(f.child<QRadioButton>("optJE_0")->text(), QStringLiteral("Japanese"));
    QCOMPARE(f.child<QRadioButton>("optSelectPattern_1")->text(), QStringLiteral("City"));
    QCOMPARE(f.child("lblTitle_5")->toolTip(),
             QStringLiteral("UTC=universal time coordinated (=GMT)"));
    auto* caption = f.child<QLabel>("lblTitle_9");
    QCOMPARE(caption->text(), QStringLiteral("Exchange Rate"));
    QVERIFY(caption->font().bold());
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::white));
    auto* language = f.child<QLabel>("lblLanguage");
    QVERIFY(language->wordWrap());
    QCOMPARE(ground(language), QColor(255, 224, 192));
    QCOMPARE(f.child<QLabel>("lblCltp")->text(), QStringLiteral("Independence"));
    QCOMPARE(f.child<QLabel>("lblCT")->text(), QStringLiteral(" 1 Sec."));
    // The list rows are the table's texts as they stand.
    QCOMPARE(f.list()->item(0)->text(), QStringLiteral(" none"));
    QCOMPARE(f.list()->item(f.row("Abuja "))->text(), QStringLiteral("Abuja "));
}

void TestSettingsWindow::textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("expected");
    struct Row {
        const char* name;
        const char* property;
        const char16_t* japanese; // as shown under a Japanese locale
        const char16_t* english;
    };
    const Row rows[] = {
        {"lblCltp", "toolTip", u"クリックすると時計の種類が変わる",
         u"Click to change the kind of clock"},
        {"lblCT", "toolTip", u"クリックすると表示切り替えの間隔が変わる",
         u"Click to change how long each place is shown"},
        {"lblSummer_4", "toolTip", u"夏時間の調整（水色＝サマータイム制有無不明）",
         u"Summer time adjustment (light blue: not known whether summer time is kept)"},
        {"lblTitle_1", "text", u"Country Name", u"Country Name"},
        {"lblTitle_4", "toolTip", u"UTC=universal time coordinated (=GMT)",
         u"UTC=universal time coordinated (=GMT)"},
        {"cmdOK_0", "text", u"O K", u"O K"},
        {"cmdOK_0", "accessibleName", u"OK", u"OK"},
        {"optClock_0", "accessibleName", u"スロット1：Bergen", u"Slot 1: Bergen"},
        {"optClock_5", "accessibleName", u"スロット6：空き", u"Slot 6: empty"},
        {"lblClock_5", "accessibleName", u"スロット6：空き", u"Slot 6: empty"},
        {"imgWorld", "accessibleName", u"時差地図", u"Time zone map"},
        {"imgFlag", "accessibleName", u"国旗", u"Flag"},
        {"cmdHelp", "text", u"Help", u"Help"},
        {"lblCltp", "text", u"Independence", u"Independence"},
        {"lblCT", "text", u" 1 Sec.", u" 1 Sec."},
    };
    for (const char* locale : {"ja_JP.UTF-8", "en_US.UTF-8"}) {
        const bool japanese = QByteArray(locale).startsWith("ja");
        for (const Row& r : rows)
            QTest::addRow("%s %s %s", locale, r.name, r.property)
                << QByteArray(locale) << QString::fromLatin1(r.name) << QByteArray(r.property)
                << QString::fromUtf16(japanese ? r.japanese : r.english);
    }
}

void TestSettingsWindow::textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QString, expected);
    UiTexts::useLocale(locale.constData());
    Fixture f;
    QCOMPARE(f.child(name)->property(property.constData()).toString(), expected);
    if (!locale.startsWith("ja"))
        QVERIFY2(UiTexts::japaneseIn(f.window.get()).isEmpty(),
                 qPrintable(UiTexts::japaneseIn(f.window.get()).join(u'\n')));
}

void TestSettingsWindow::listOfTheMode()
{
    Fixture f;
    const auto visibleLists = [&] {
        QStringList names;
        for (auto* l : f.window->findChildren<QListWidget*>()) {
            if (l->isVisible())
                names << l->objectName();
        }
        return names;
    };
    QCOMPARE(visibleLists(), QStringList{"lstCityName"});
    QCOMPARE(f.list()->currentRow(), 45);
    f.child<QRadioButton>("optSelectPattern_0")->click();
    QCOMPARE(visibleLists(), QStringList{"lstCountryName"});
    QCOMPARE(f.list()->currentItem()->text(), QStringLiteral("Norway"));
    f.child<QRadioButton>("optJE_0")->click();
    QCOMPARE(visibleLists(), QStringList{"lstCountryNameJ"});
    QCOMPARE(f.child<QLabel>("lblClock_0")->text(), f.list()->currentItem()->text());
    f.child<QRadioButton>("optSelectPattern_1")->click();
    QCOMPARE(visibleLists(), QStringList{"lstCityNameJ"});
    QVERIFY(f.child<QRadioButton>("optJE_0")->isChecked());
    QVERIFY(f.child<QRadioButton>("optSelectPattern_1")->isChecked());
}

void TestSettingsWindow::slotsMarksAndTimes()
{
    // By country: an entry whose cities disagree on summer time is the user's to switch.
    Fixture f([](SettingsStore& s) {
        QVERIFY(s.set(StoreKeys::PlcCount, 2));
        QVERIFY(s.set(StoreKeys::SelectPattern, qint16(0)));
    });
    auto* time0 = f.child<QLabel>("lblTime_0");
    QCOMPARE(time0->text(), QStringLiteral("24:00")); // until the first tick
    QCOMPARE(f.child<QLabel>("lblTime_1")->text(), QString());
    QCOMPARE(ground(f.child("lblClock_0")), QColor(255, 255, 128));
    QCOMPARE(ground(f.child("lblClock_1")), f.window->palette().color(QPalette::Button));
    QVERIFY(!f.child("lblSummer_1")->isVisible());

    f.child<QRadioButton>("optClock_1")->click();
    const CountryEntry* unknown = nullptr;
    for (int r = 1; !unknown; ++r) {
        if (db().country(r).summer == SummerCode::Undetermined)
            unknown = &db().country(r);
    }
    f.list()->setCurrentRow(f.row(unknown->name));
    QCOMPARE(f.child<QLabel>("lblClock_1")->text(), unknown->name);
    auto* mark = f.child<QLabel>("lblSummer_1");
    QVERIFY(mark->isVisible());
    QCOMPARE(ground(mark), QColor(0, 255, 255));
    QCOMPARE(mark->text(), QStringLiteral("  "));
    QTest::mouseClick(mark, Qt::LeftButton);
    QCOMPARE(mark->text(), QStringLiteral("+1"));

    f.child<QRadioButton>("optClock_2")->click();
    f.list()->setCurrentRow(f.row("USA(Eastern)"));
    QCOMPARE(ground(f.child("lblSummer_2")), QColor(255, 192, 128));
    QCOMPARE(f.child<QLabel>("lblSummer_2")->text(), QStringLiteral("+1")); // July
    // The zone decides the orange mark: no focus to take, and a tip that says so; the cyan mark
    // stays the user's switch.
    QCOMPARE(f.child("lblSummer_2")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(f.child("lblSummer_2")->toolTip(),
             QStringLiteral("Summer time follows the time zone of the place"));
    QCOMPARE(mark->focusPolicy(), Qt::StrongFocus);
    QVERIFY(mark->toolTip().startsWith(QStringLiteral("Summer time adjustment")));
    f.list()->setCurrentRow(f.row("Japan"));
    QVERIFY(!f.child("lblSummer_2")->isVisible());

    // The timer brings the times: 23:30 UTC.
    QTRY_COMPARE_WITH_TIMEOUT(f.child<QLabel>("lblTime_2")->text(), QStringLiteral("08:30"), 5000);
    const int minutes = unknown->offsetMinutes() + 60;
    QCOMPARE(f.child<QLabel>("lblTime_1")->text(),
             f.clock.utc.addSecs(minutes * 60).toString(QStringLiteral("hh:mm")));
}

void TestSettingsWindow::slotClicksAndPicks()
{
    // Bergen in slot 0; each step clicks a slot's button, then picks a row ("" the none row).
    Fixture f;
    struct Step {
        int slot;
        const char* pick;
        std::array<const char*, 4> names; // slots 0 to 3 afterwards
    };
    const Step steps[] = {
        {1, "Abu Dhabi", {"Bergen", "Abu Dhabi", "", ""}},
        {0, "London", {"London", "Abu Dhabi", "", ""}},
        {1, "Paris", {"London", "Paris", "", ""}},
        {0, "", {"", "Paris", "", ""}},
        {3, "Tokyo", {"", "Paris", "", "Tokyo"}},
        {1, "Sydney", {"", "Sydney", "", "Tokyo"}},
        {1, "Oslo", {"", "Oslo", "", "Tokyo"}}, // the current slot's button again
        {3, "Lima", {"", "Oslo", "", "Lima"}},
    };
    for (const Step& step : steps) {
        const QString stepName = QStringLiteral("slot %1, %2").arg(step.slot).arg(step.pick);
        const QString before =
            f.child<QLabel>(QStringLiteral("lblClock_%1").arg(step.slot))->text();
        QTest::mouseClick(f.child(QStringLiteral("optClock_%1").arg(step.slot)), Qt::LeftButton);
        for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
            QVERIFY2(f.child<QRadioButton>(QStringLiteral("optClock_%1").arg(n))->isChecked() ==
                         (n == step.slot),
                     qPrintable(stepName));
        }
        // The slot's place is the list's selected row, and the languages stay as they were.
        QCOMPARE(f.list()->currentItem()->text(), before.isEmpty() ? db().city(0).name : before);
        QVERIFY(f.child<QRadioButton>("optJE_1")->isChecked());
        QVERIFY(f.child<QRadioButton>("optSelectPattern_1")->isChecked());
        f.list()->setCurrentRow(*step.pick ? f.row(QLatin1String(step.pick)) : 0);
        for (int n = 0; n < int(step.names.size()); ++n) {
            QVERIFY2(f.child<QLabel>(QStringLiteral("lblClock_%1").arg(n))->text() ==
                         QLatin1String(step.names[n]),
                     qPrintable(stepName));
            // What a screen reader says of the slot follows each pick.
            const QString heard =
                QStringLiteral("Slot %1: %2")
                    .arg(n + 1)
                    .arg(*step.names[n] ? QLatin1String(step.names[n]) : QLatin1String("empty"));
            QCOMPARE(f.child(QStringLiteral("optClock_%1").arg(n))->accessibleName(), heard);
        }
    }
}

void TestSettingsWindow::arrowsStayInTheSlots()
{
    Fixture f([](SettingsStore& s) {
        QVERIFY(s.set(StoreKeys::PlcCount, 2));
        QVERIFY(s.set(StoreKeys::No, 1, 100));
        QVERIFY(s.set(StoreKeys::No, 2, 140));
    });
    QApplication::setActiveWindow(f.window.get());
    QTest::mouseClick(f.child("optClock_1"), Qt::LeftButton);
    const auto checkedSlots = [&] {
        QList<int> on;
        for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
            if (f.child<QRadioButton>(QStringLiteral("optClock_%1").arg(n))->isChecked())
                on << n;
        }
        return on;
    };
    // Each key from the focused slot button, and the one slot on afterwards.
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Up, 0},    {Qt::Key_Up, 0},   {Qt::Key_Left, 0},
        {Qt::Key_Right, 0}, {Qt::Key_Down, 1}, {Qt::Key_Down, 2},
        {Qt::Key_Down, 3},  {Qt::Key_Up, 2},   {Qt::Key_Right, 2},
    };
    for (const auto& [key, slot] : keys) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(checkedSlots(), QList<int>{slot});
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 QStringLiteral("optClock_%1").arg(slot));
        QVERIFY(f.child<QRadioButton>("optJE_1")->isChecked());
        QVERIFY(f.child<QRadioButton>("optSelectPattern_1")->isChecked());
    }
    // Slot 2's place is the list's row; slot 1 kept its place.
    QCOMPARE(f.list()->currentRow(), 140);
    QCOMPARE(f.child<QLabel>("lblClock_1")->text(), db().city(100).name);
}

void TestSettingsWindow::flagAndCrossHair()
{
    Fixture f([](SettingsStore& s) { QVERIFY(s.set(StoreKeys::SelectPattern, 0)); });
    auto* flag = f.child<QLabel>("imgFlag");
    QVERIFY(flag->hasScaledContents());
    QCOMPARE(flag->frameShape(), QFrame::Box);
    QCOMPARE(flag->size(), Twips::rect(0, 0, 870, 600).size());
    auto* ew = f.child("LineEW");
    auto* ns = f.child("lineNS");
    const auto expectCross = [&](const QString& country, int south, int east) {
        f.list()->setCurrentRow(f.row(country));
        QVERIFY(ew->isVisible() && ns->isVisible());
        QCOMPARE(ew->x(), Twips::toPixels(3620 + 5200.0 * (east + 180) / 360));
        QCOMPARE(ns->y(), Twips::toPixels(620 + 3000.0 * (south + 90) / 180));
        QCOMPARE(ew->geometry().top(), Twips::toPixels(120));
        QCOMPARE(ns->geometry().left(), Twips::toPixels(3720));
        QCOMPARE(ns->geometry().right(), Twips::toPixels(9000));
        QCOMPARE(ground(ew), QColor(255, 0, 0));
    };
    expectCross("Japan", -36, 138);
    QCOMPARE(flag->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             WorldDb::flag(db().details(db().country(f.row("Japan")).mNo).flag)
                 .convertToFormat(QImage::Format_RGB32));
    QCOMPARE(f.child<QLabel>("lblTimeDifUTC")->text(), QStringLiteral("+9:00"));
    expectCross("USA(Eastern)", -38, -97);
    expectCross("Australia(N.T.)", 27, db().details(5).east.value());
    f.list()->setCurrentRow(0);
    QVERIFY(!ew->isVisible() && !ns->isVisible());
    QCOMPARE(f.child<QLabel>("lblCountryName")->text(), QStringLiteral("none"));
}

void TestSettingsWindow::keyboard()
{
    Fixture f;
    QApplication::setActiveWindow(f.window.get());
    QListWidget* list = f.list();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.model.selectedRow(), 46);
    QCOMPARE(f.child<QLabel>("lblClock_0")->text(), list->item(46)->text());
    QTest::keyClicks(list, "Tok");
    QCOMPARE(f.child<QLabel>("lblClock_0")->text(), QStringLiteral("Tokyo"));

    auto* style = f.child<QLabel>("lblCltp");
    QCOMPARE(style->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(style, Qt::Key_Space);
    QCOMPARE(style->text(), QStringLiteral("List"));
    QTest::keyClick(f.child("lblCT"), Qt::Key_Return);
    QCOMPARE(f.child<QLabel>("lblCT")->text(), QStringLiteral(" 2 Sec."));

    // Tab reaches the pick list and the OK button.
    QList<QWidget*> chain;
    for (QWidget* w = f.window->nextInFocusChain(); w != f.window.get();
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
    }
    QVERIFY(chain.contains(f.child("lblCT")));
    QVERIFY(chain.contains(list));
    QVERIFY(chain.contains(f.child("cmdOK_0")));
}

void TestSettingsWindow::okSavesAndHandsOver()
{
    Fixture f;
    f.addProgram("zelpane");
    QSignalSpy finished(f.window.get(), &SettingsWindow::finished);
    f.list()->setCurrentRow(f.row("Tokyo"));
    QTest::mouseClick(f.child("cmdOK_0"), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.starter.started, QStringList{f.tmp.filePath("zelpane")});
    QCOMPARE(f.store.text(StoreKeys::WP, 0).value_or("?"), QStringLiteral("Tokyo"));
    QCOMPARE(f.store.get(StoreKeys::WD, 0, StoreReader::SettingsProgram), 9);
    QCOMPARE(f.store.get(StoreKeys::Change, StoreReader::Clocks), 1);
    QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 1);
}

void TestSettingsWindow::searchPickRenameAndOk()
{
    Fixture f;
    f.addProgram("zelpane");
    QApplication::setActiveWindow(f.window.get());
    auto* search = f.child<QLineEdit>("txtSearch");
    auto* found = f.child<QListWidget>("lstFound");
    QVERIFY(!found->isVisible());
    const struct {
        const char16_t* typed;
        std::vector<Qt::Key> keys; // then Enter
        const char16_t* name;      // the slot's afterwards
    } steps[] = {
        {u"Berl", {}, u"Berlin"},
        {u"Auck", {}, u"Oakland"},
        {u"ｼﾄﾞﾆｰ", {}, u"Sydney"},
        {u"Phoe", {}, u"Phoenix"}, // a zone of the system alone
        {u"ニューヨーク", {}, u"New York"},
        {u"New", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, u"New Jersey"},
    };
    for (int n = 0; n < int(std::size(steps)); ++n) {
        QTest::mouseClick(f.child(QStringLiteral("optClock_%1").arg(n)), Qt::LeftButton);
        for (const QChar c : QString::fromUtf16(steps[n].typed)) { // QTest types ASCII alone
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(search, &key);
        }
        QVERIFY(found->isVisible() && !f.list()->isVisible());
        for (const Qt::Key key : steps[n].keys)
            QTest::keyClick(search, key);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(f.child<QLabel>(QStringLiteral("lblClock_%1").arg(n))->text(),
                 QString::fromUtf16(steps[n].name));
        QTest::keyClick(search, Qt::Key_Escape);
        QVERIFY(search->text().isEmpty() && f.list()->isVisible() && !found->isVisible());
    }
    // Renamed by a double click and Enter; F2 and Escape leave the name.
    QTest::mouseDClick(f.child("lblClock_0"), Qt::LeftButton);
    QTest::keyClicks(f.child("txtClock"), "Munich");
    QTest::keyClick(f.child("txtClock"), Qt::Key_Return);
    QCOMPARE(f.child<QLabel>("lblClock_0")->text(), QStringLiteral("Munich"));
    QTest::keyClick(f.window.get(), Qt::Key_F2);
    QVERIFY(f.child("txtClock")->isVisible());
    QTest::keyClicks(f.child("txtClock"), "Home");
    QTest::keyClick(f.child("txtClock"), Qt::Key_Escape);
    QVERIFY(!f.child("txtClock")->isVisible());
    QCOMPARE(f.child<QLabel>("lblClock_5")->text(), QStringLiteral("New Jersey"));

    QTest::mouseClick(f.child("cmdOK_0"), Qt::LeftButton);
    PlaceTable clock;
    clock.load(f.store);
    QCOMPARE(clock.count(), 6);
    QCOMPARE(clock.places[0].name, QStringLiteral("Munich"));
    QCOMPARE(clock.places[0].zone.id(), QByteArray("Europe/Berlin"));
    QCOMPARE(clock.places[3].name, QStringLiteral("Phoenix"));
    QCOMPARE(clock.places[3].zone.id(), QByteArray("America/Phoenix"));
    QCOMPARE(clock.places[3].offsetMinutes(), -7 * 60);
}

void TestSettingsWindow::failedStartKeepsTheWindow()
{
    Fixture f([](SettingsStore& s) { QVERIFY(s.set(StoreKeys::Kind, 0)); });
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::mouseClick(f.child("cmdOK_0"), Qt::LeftButton);
    QVERIFY(shown.contains(QStringLiteral("zelcaption")));
    QVERIFY(shown.contains(f.tmp.path()));
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 0);
    QCOMPARE(f.store.text(StoreKeys::WP, 0).value_or("?"),
             QStringLiteral("Bergen")); // saved all the same
    QVERIFY(f.starter.started.isEmpty());
}

void TestSettingsWindow::failedSaveKeepsTheWindowAndStartsNothing()
{
    Fixture f;
    f.addProgram("zelpane");
    QSignalSpy finished(f.window.get(), &SettingsWindow::finished);
    f.list()->setCurrentRow(f.row("Tokyo"));
    // A folder where the store's file is: it cannot be read, so it must not be written.
    const QString storeFile = f.tmp.filePath("ZelClock.conf");
    QVERIFY(QFile::remove(storeFile) && QDir().mkdir(storeFile));
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::mouseClick(f.child("cmdOK_0"), Qt::LeftButton);
    QVERIFY2(shown.contains(storeFile), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("zelpane")));
    QVERIFY(f.window->isVisible());
    QCOMPARE(finished.count(), 0);
    QVERIFY(f.starter.started.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor()); // the busy cursor is gone again

    // The user mends the store and presses OK again: the same choices are saved.
    QVERIFY(QDir().rmdir(storeFile));
    QTest::mouseClick(f.child("cmdOK_0"), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(f.starter.started, QStringList{f.tmp.filePath("zelpane")});
    QCOMPARE(f.store.text(StoreKeys::WP, 0).value_or("?"), QStringLiteral("Tokyo"));
}

void TestSettingsWindow::helpAndAbout()
{
    Fixture f;
    // About is a box over the window; Help either opens its own window or explains in a box why
    // it cannot. Either way the settings window stays.
    QString modal;
    const auto closeModal = [&] {
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                modal = box->metaObject()->className();
                box->close();
            }
        });
    };
    closeModal();
    QTest::mouseClick(f.child("cmdAbout"), Qt::LeftButton);
    QVERIFY(!modal.isEmpty());
    modal.clear();
    closeModal();
    QTest::mouseClick(f.child("cmdHelp"), Qt::LeftButton);
    const auto children = f.window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    const bool helpWindow = std::any_of(children.begin(), children.end(),
                                        [](QWidget* w) { return w->isWindow() && w->isVisible(); });
    QVERIFY(helpWindow || !modal.isEmpty());
    QVERIFY(f.window->isVisible());
}

void TestSettingsWindow::f1OpensTheHelpAtTheFocusedControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("section"); // page and anchor
    QTest::newRow("slot") << "optClock_2"
                          << "en-setup.html#slots";
    QTest::newRow("pick list") << "lstCountryName"
                               << "en-setup.html#slots";
    QTest::newRow("language") << "optJE_1"
                              << "en-setup.html#frame";
    QTest::newRow("cancel") << "cmdOK_1"
                            << "en-setup.html#buttons";
}

void TestSettingsWindow::f1OpensTheHelpAtTheFocusedControl()
{
    QFETCH(QString, control);
    QFETCH(QString, section);
    UiTexts::useLocale("en_US.UTF-8");
    Fixture f;
    if (HelpFile::locateConfigured().outcome != HelpFile::Outcome::Show)
        QSKIP("built without help");
    f.child(control)->setFocus();
    QTest::keyClick(f.child(control), Qt::Key_F1);
    auto* browser = f.window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    QVERIFY(browser != nullptr && browser->window()->isVisible());
    const QUrl shown = browser->source();
    QCOMPARE(shown.fileName() + u'#' + shown.fragment(), section);
    // Back leads to the contents.
    browser->backward();
    QCOMPARE(browser->source().fileName(), QStringLiteral("en-index.html"));
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
