// The about window on the offscreen platform: its gradient, texts, link hover and click, and
// the timed hand-over, with a temporary store and a starter that records instead of starting.
#include "AboutGradient.h"
#include "AboutWindow.h"
#include "GuiStartup.h"
#include "IniFileBackend.h"
#include "LauncherSession.h"
#include "ProductIdentity.h"
#include "RecordingStarter.h"
#include "SettingsStore.h"
#include "UiTexts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QString kHome = QStringLiteral("https://zelclock.example/");

QColor textColour(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

QColor lineColour(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

void sendMove(QWidget* target, Qt::MouseButtons buttons = Qt::NoButton)
{
    const QPointF local(2, 2);
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void sendClick(QWidget* target, QPointF releaseAt)
{
    const QPointF local(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, releaseAt, target->mapToGlobal(releaseAt),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private:
    // A session on a temporary store whose start directory holds the three displays.
    struct Fixture {
        QTemporaryDir tmp;
        SettingsStore store{std::make_unique<IniFileBackend>(tmp.filePath("ZelClock.conf"))};
        RecordingStarter starter;
        std::optional<LauncherSession> session;
        QList<QUrl> opened;

        explicit Fixture(bool withPrograms = true)
        {
            if (withPrograms) {
                for (const char* name : {"zelcaption", "zelpane", "zelroll"}) {
                    QFile f(tmp.filePath(QString::fromLatin1(name)));
                    f.open(QIODevice::WriteOnly);
                    f.close();
                    f.setPermissions(f.permissions() | QFile::ExeOwner);
                }
            }
            session.emplace(store, store, starter, tmp.path(), QString());
        }

        std::unique_ptr<AboutWindow>
        window(const QString& version = QStringLiteral("Version 1.2.6"))
        {
            return std::make_unique<AboutWindow>(*session, AboutWindow::Content{version, kHome},
                                                 [this](const QUrl& url) { opened.append(url); });
        }
    };

    static void holdTimer(AboutWindow& window)
    {
        auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        timer->stop();
    }

private slots:
    void initTestCase()
    {
        // The same font substitutions and icon as the program.
        GuiStartup::setUpApplication();
    }
    void cleanup() { UiLanguage::install(QLocale::c()); }

    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ja_JP link")
            << QByteArray("ja_JP.UTF-8") << QStringLiteral("LblHTTP") << QByteArray("toolTip")
            << QStringLiteral("ホームページを見てね");
        QTest::newRow("ja_JP version") << QByteArray("ja_JP.UTF-8") << QStringLiteral("lblVersion")
                                       << QByteArray("text") << QStringLiteral("Version 1.2.6");
        QTest::newRow("en_US link")
            << QByteArray("en_US.UTF-8") << QStringLiteral("LblHTTP") << QByteArray("toolTip")
            << QStringLiteral("Visit the home page");
        QTest::newRow("en_US version") << QByteArray("en_US.UTF-8") << QStringLiteral("lblVersion")
                                       << QByteArray("text") << QStringLiteral("Version 1.2.6");
    }
    void textsJapaneseAsQuotedUnderJaJpEnglishUnderEnUs()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QString, expected);
        UiTexts::useLocale(locale.constData());
        Fixture f;
        auto window = f.window(ProductIdentity::versionText(1, 2, 6));
        holdTimer(*window);
        QCOMPARE(window->findChild<QWidget*>(name)->property(property.constData()).toString(),
                 expected);
        if (!locale.startsWith("ja"))
            QVERIFY2(UiTexts::japaneseIn(window.get()).isEmpty(),
                     qPrintable(UiTexts::japaneseIn(window.get()).join(u'\n')));
    }

    void bandColours()
    {
        QCOMPARE(AboutGradient::bandColour(0), QColor(0, 0, 0));
        // 3 / 1.2 is exactly 2.5: the even neighbour, not 3.
        QCOMPARE(AboutGradient::bandColour(3), QColor(2, 2, 2));
        QCOMPARE(AboutGradient::bandColour(15), QColor(12, 9, 8));
        QCOMPARE(AboutGradient::bandColour(128), QColor(107, 75, 67));
        QCOMPARE(AboutGradient::bandColour(AboutGradient::kLastBand), QColor(213, 151, 135));
    }

    void bandHeightFromClientHeight()
    {
        QCOMPARE(AboutGradient::bandHeight(1530), 6);
        QCOMPARE(AboutGradient::bandHeight(1664), 6); // 6.5
        QCOMPARE(AboutGradient::bandHeight(1920), 8); // 7.5
        QCOMPARE(AboutGradient::bandHeight(2176), 8); // 8.5
    }

    void paintedBackgroundRunsFromDarkToTheBottomColour()
    {
        Fixture f;
        auto window = f.window();
        holdTimer(*window);
        const QImage image = window->grab().toImage();
        QCOMPARE(image.size(), QSize(292, 102));
        // A column that no icon, text or line covers.
        constexpr int kBare = 2;
        const int bottom = image.height() - 1;
        for (int x : {0, 146, image.width() - 1})
            QCOMPARE(image.pixelColor(x, bottom), QColor(213, 151, 135));
        const QColor top = image.pixelColor(kBare, 0);
        QVERIFY2(top.red() <= 10 && top.green() <= 10 && top.blue() <= 10, qPrintable(top.name()));
        int previous = -1;
        for (int y = 0; y < image.height(); ++y) {
            const int red = image.pixelColor(kBare, y).red();
            QVERIFY2(red >= previous, qPrintable(QString::number(y)));
            previous = red;
            for (int x = 0; x < image.width(); ++x) {
                if (!window->childAt(x, y)) // all painted over
                    QVERIFY(image.pixelColor(x, y) != QColor(255, 192, 192));
            }
        }
        QVERIFY(image.pixelColor(kBare, 51).red() > 90 && image.pixelColor(kBare, 51).red() < 125);
    }

    void backgroundSurvivesRepaint()
    {
        Fixture f;
        auto window = f.window();
        holdTimer(*window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QPoint bareSpot(4, 98); // left of the link, below the icon
        const QColor expected = AboutGradient::paint(window->size()).pixelColor(bareSpot);
        QCOMPARE(window->grab().toImage().pixelColor(bareSpot), expected);
        window->repaint();
        QCOMPARE(window->grab().toImage().pixelColor(bareSpot), expected);
        window->hide();
        window->show();
        QCOMPARE(window->grab().toImage().pixelColor(QPoint(146, 101)), QColor(213, 151, 135));
    }

    void windowHasABorderButNoTitleFixedAndCentred()
    {
        Fixture f;
        auto window = f.window();
        holdTimer(*window);
        QCOMPARE(window->objectName(), QStringLiteral("fAbout"));
        QCOMPARE(window->size(), QSize(292, 102)); // 4380 x 1530 twips
        QCOMPARE(window->minimumSize(), window->maximumSize());
        // A border without a title bar; that the border is there and thin is seen under a real
        // window manager (e2e.launcher).
        QVERIFY(!(window->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(window->windowFlags() & Qt::CustomizeWindowHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowTitleHint));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(window->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window->geometry().center().y() - screen.center().y()) <= 1);
    }

    void textsAndPlaces()
    {
        QCOMPARE(ProductIdentity::versionText(1, 2, 6), QStringLiteral("Version 1.2.6"));
        QCOMPARE(ProductIdentity::versionText(10, 0, 12), QStringLiteral("Version 10.0.12"));

        Fixture f;
        auto window = f.window(ProductIdentity::versionText(1, 2, 6));
        holdTimer(*window);
        auto* version = window->findChild<QLabel*>(QStringLiteral("lblVersion"));
        auto* product = window->findChild<QLabel*>(QStringLiteral("lblProductName"));
        auto* link = window->findChild<QLabel*>(QStringLiteral("LblHTTP"));
        auto* icon = window->findChild<QLabel*>(QStringLiteral("ImgIcon"));
        QVERIFY(version && product && link && icon);
        QCOMPARE(version->text(), QStringLiteral("Version 1.2.6"));
        QCOMPARE(product->text(), QStringLiteral("Zel's World Clock"));
        QCOMPARE(textColour(product), QColor(255, 255, 0));
        QCOMPARE(textColour(version), QColor(255, 0, 0));
        QCOMPARE(link->text(), kHome);
        QCOMPARE(link->toolTip(), QStringLiteral("Visit the home page"));
        // Every control where its twips put it, at 15 twips a pixel.
        const std::pair<const char*, QRect> places[] = {
            {"LblHTTP", {72, 72, 186, 16}},       {"ImgIcon", {8, 16, 36, 36}},
            {"lblProductName", {56, 8, 185, 25}}, {"lblVersion", {112, 32, 129, 17}},
            {"lblCopyright", {112, 48, 169, 17}},
        };
        for (const auto& [name, place] : places) {
            auto* control = window->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(control && control->geometry() == place, name);
        }
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
    }

    void builtInAddressFitsTheLink()
    {
        Fixture f;
        auto window = f.window();
        holdTimer(*window);
        auto* link = window->findChild<QLabel*>(QStringLiteral("LblHTTP"));
        const QString address = ProductIdentity::homePage();
        QVERIFY(QUrl(address).isValid());
        QVERIFY(QUrl(address).scheme().startsWith(QStringLiteral("http")));
        const int width = QFontMetrics(link->font()).horizontalAdvance(address);
        QVERIFY2(width <= link->width(),
                 qPrintable(QStringLiteral("ZEL_HOMEPAGE needs %1 pixels, the link has %2")
                                .arg(width)
                                .arg(link->width())));
    }

    void linkTurnsCyanOnHoverAndBack()
    {
        Fixture f;
        auto window = f.window();
        holdTimer(*window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* link = window->findChild<QLabel*>(QStringLiteral("LblHTTP"));
        auto* line = window->findChild<QWidget*>(QStringLiteral("LinHTTP"));
        QVERIFY(link && line);
        QCOMPARE(line->geometry(), QRect(72, 88, 193, 1));
        const QColor link0(192, 192, 255);
        const QColor cyan(0, 255, 255);
        QCOMPARE(textColour(link), link0);
        QCOMPARE(lineColour(line), link0);

        const char* others[] = {"lblProductName", "lblVersion", "lblCopyright"};
        for (const char* name : others) {
            sendMove(link);
            QCOMPARE(textColour(link), cyan);
            QCOMPARE(lineColour(line), cyan);
            // The picture has no handler: the link stays lit.
            sendMove(window->findChild<QWidget*>(QStringLiteral("ImgIcon")));
            QCOMPARE(textColour(link), cyan);
            sendMove(window->findChild<QWidget*>(QLatin1String(name)));
            QCOMPARE(textColour(link), link0);
            QCOMPARE(lineColour(line), link0);
        }
        sendMove(link);
        QCOMPARE(textColour(link), cyan);
        sendMove(window.get());
        QCOMPARE(textColour(link), link0);
        QCOMPARE(lineColour(line), link0);
    }

    void clickOpensTheAddress()
    {
        Fixture f;
        auto window = f.window();
        holdTimer(*window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* link = window->findChild<QLabel*>(QStringLiteral("LblHTTP"));
        auto* version = window->findChild<QLabel*>(QStringLiteral("lblVersion"));

        sendClick(version, {2, 2});
        QVERIFY(f.opened.isEmpty());
        sendClick(link, {link->width() + 20.0, 2}); // released off the link
        QVERIFY(f.opened.isEmpty());
        sendClick(link, {3, 3});
        QCOMPARE(f.opened, QList<QUrl>{QUrl(kHome)});
    }

    void handsOverAfterHalfASecondAndCloses()
    {
        Fixture f;
        QElapsedTimer clock;
        clock.start();
        auto window = f.window();
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), 500);
        window->show();
        QVERIFY(f.starter.started.isEmpty());
        QCOMPARE(f.store.text(StoreKeys::Start).value_or(QStringLiteral("-")), QStringLiteral("-"));
        QTRY_COMPARE_WITH_TIMEOUT(f.starter.started.size(), 1, 5000);
        QVERIFY2(clock.elapsed() >= 450, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(f.starter.started.first(), f.tmp.filePath(QStringLiteral("zelpane")));
        QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 1);
        QTRY_VERIFY(!window->isVisible());
    }

    void missingDisplayIsShownAndStartTakenBack()
    {
        Fixture f(false);
        auto window = f.window();
        QString shown;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        answer.start(20);
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 5000);
        QVERIFY2(shown.contains(QStringLiteral("zelpane")), qPrintable(shown));
        QVERIFY2(shown.contains(f.tmp.path() + u'/'), qPrintable(shown));
        QVERIFY(f.starter.started.isEmpty());
        QCOMPARE(f.store.get(StoreKeys::Start, StoreReader::Clocks), 0);
        QTRY_VERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
