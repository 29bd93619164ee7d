#include "DevicePixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace DevicePixels {

namespace {

QRect deviceArea(const Screen& s)
{
    return {s.logical.topLeft(), (QSizeF(s.logical.size()) * s.scale).toSize()};
}

const Screen* holding(const QPoint& device, const std::vector<Screen>& screens)
{
    for (const Screen& s : screens) {
        if (deviceArea(s).contains(device))
            return &s;
    }
    return screens.empty() ? nullptr : &screens.front();
}

QPoint scaled(const QPoint& device, const Screen& s)
{
    const QPoint origin = s.logical.topLeft();
    const QPoint offset = device - origin;
    return origin +
           QPoint(int(std::lround(offset.x() / s.scale)), int(std::lround(offset.y() / s.scale)));
}

std::vector<Screen> appScreens()
{
    std::vector<Screen> screens;
    if (qGuiApp == nullptr)
        return screens;
    for (const QScreen* s : QGuiApplication::screens())
        screens.push_back({s->geometry(), s->devicePixelRatio()});
    return screens;
}

} // namespace

QPoint toLogical(const QPoint& device, const std::vector<Screen>& screens)
{
    const Screen* s = holding(device, screens);
    return s != nullptr ? scaled(device, *s) : device;
}

QPoint toLogical(const QPoint& device)
{
    return toLogical(device, appScreens());
}

WindowRect toLogical(const WindowRect& device)
{
    const std::vector<Screen> screens = appScreens();
    const Screen* s = holding(QPoint(device.left, device.top), screens);
    if (s == nullptr)
        return device;
    const QPoint topLeft = scaled(QPoint(device.left, device.top), *s);
    const QPoint bottomRight = scaled(QPoint(device.right, device.bottom), *s);
    return {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
}

} // namespace DevicePixels
