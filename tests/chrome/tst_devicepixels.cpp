// Device pixels of the window system to Qt's logical ones, on one or two screens of any scale.
#include "platform/DevicePixels.h"

#include <QTest>

namespace {

using Screens = std::vector<DevicePixels::Screen>;

} // namespace

class TestDevicePixels final : public QObject {
    Q_OBJECT
private slots:
    void toLogical_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<QPoint>("logical");
        // 0: one screen at scale 1; 1: one at scale 2 (2560 x 1600 device pixels);
        // 2: a scale 1 screen and right of it one at scale 2, starting at device x 1280.
        QTest::newRow("scale 1 unchanged") << 0 << QPoint(300, 200) << QPoint(300, 200);
        QTest::newRow("scale 2 halves") << 1 << QPoint(300, 200) << QPoint(150, 100);
        QTest::newRow("scale 2, odd rounds") << 1 << QPoint(301, 199) << QPoint(151, 100);
        QTest::newRow("second screen, from its corner")
            << 2 << QPoint(1480, 100) << QPoint(1380, 50);
        QTest::newRow("first screen of two") << 2 << QPoint(1279, 799) << QPoint(1279, 799);
        QTest::newRow("off every screen: the first's scale")
            << 1 << QPoint(-40, 3000) << QPoint(-20, 1500);
    }

    void toLogical()
    {
        QFETCH(int, layout);
        QFETCH(QPoint, device);
        QFETCH(QPoint, logical);
        const std::vector<Screens> layouts{
            {{QRect(0, 0, 1280, 800), 1}},
            {{QRect(0, 0, 1280, 800), 2}},
            {{QRect(0, 0, 1280, 800), 1}, {QRect(1280, 0, 640, 400), 2}},
        };
        QCOMPARE(DevicePixels::toLogical(device, layouts[std::size_t(layout)]), logical);
    }
};

QTEST_APPLESS_MAIN(TestDevicePixels)
#include "tst_devicepixels.moc"
