#include "DisplayProbe.h"

#include <xcb/xcb.h>

namespace DisplayProbe {

std::optional<QString> problem()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("no display to show a window on (DISPLAY is not set)");
    xcb_connection_t* c = xcb_connect(display.constData(), nullptr);
    const bool broken = xcb_connection_has_error(c) != 0;
    xcb_disconnect(c);
    if (broken)
        return QStringLiteral("cannot open the display \"%1\"")
            .arg(QString::fromLocal8Bit(display));
    return std::nullopt;
}

} // namespace DisplayProbe
