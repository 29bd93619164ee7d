// The window system chosen at start, for each desktop a program may find itself on.
#include "PlatformChoice.h"

#include <QTest>

Q_DECLARE_METATYPE(PlatformNeed)

namespace {

const QString kNoX = QStringLiteral("no display to show a window on (DISPLAY is not set)");

} // namespace

class TestPlatformChoice final : public QObject {
    Q_OBJECT
private slots:
    void decide_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<bool>("x");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<PlatformNeed>("need");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QString>("refusal"); // a part of it; empty when none

        const auto x11 = PlatformNeed::X11;
        const auto either = PlatformNeed::Either;
        QTest::newRow("X only, a clock")
            << QByteArray() << true << false << false << x11 << QByteArray("xcb") << QString();
        QTest::newRow("XWayland, a clock")
            << QByteArray() << true << true << true << x11 << QByteArray("xcb") << QString();
        QTest::newRow("XWayland, the settings left to Qt")
            << QByteArray() << true << true << true << either << QByteArray() << QString();
        QTest::newRow("XWayland without Qt's Wayland, the settings")
            << QByteArray() << true << true << false << either << QByteArray("xcb") << QString();
        QTest::newRow("Wayland only, a clock")
            << QByteArray() << false << true << true << x11 << QByteArray("wayland") << QString();
        QTest::newRow("Wayland only without Qt's Wayland")
            << QByteArray() << false << true << false << either << QByteArray()
            << QStringLiteral("qt6-wayland");
        QTest::newRow("no display")
            << QByteArray() << false << false << false << x11 << QByteArray() << kNoX;
        QTest::newRow("user's offscreen needs no display")
            << QByteArray("offscreen") << false << false << false << x11 << QByteArray()
            << QString();
        QTest::newRow("user's wayland kept over X")
            << QByteArray("wayland") << true << true << true << x11 << QByteArray() << QString();
        QTest::newRow("user's xcb without X")
            << QByteArray("xcb:nograb") << false << true << true << x11 << QByteArray() << kNoX;
        QTest::newRow("user's wayland without Wayland")
            << QByteArray("wayland") << true << false << false << either << QByteArray()
            << QStringLiteral("WAYLAND_DISPLAY");
    }

    void decide()
    {
        QFETCH(QByteArray, user);
        QFETCH(bool, x);
        QFETCH(bool, wayland);
        QFETCH(bool, plugin);
        QFETCH(PlatformNeed, need);
        QFETCH(QByteArray, platform);
        QFETCH(QString, refusal);
        DisplayEnvironment env{user, x ? std::nullopt : std::optional<QString>(kNoX), wayland,
                               plugin};
        const PlatformDecision got = PlatformChoice::decide(env, need);
        QCOMPARE(got.platform, platform);
        QCOMPARE(got.refusal.has_value(), !refusal.isEmpty());
        if (got.refusal)
            QVERIFY2(got.refusal->contains(refusal), qPrintable(*got.refusal));
    }
};

QTEST_APPLESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
