#include "Xcb_x11.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstring>

namespace Xcb {

xcb_atom_t atom(xcb_connection_t* c, const char* name, bool onlyIfExists)
{
    if (c == nullptr)
        return XCB_ATOM_NONE;
    const auto cookie =
        xcb_intern_atom(c, onlyIfExists ? 1 : 0, std::uint16_t(std::strlen(name)), name);
    const auto answer = reply(xcb_intern_atom_reply(c, cookie, nullptr));
    return answer ? answer->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_connection_t* toolkitConnection()
{
    if (qGuiApp == nullptr || QGuiApplication::platformName() != u"xcb")
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c, int screenNumber)
{
    if (c == nullptr || xcb_connection_has_error(c) != 0)
        return XCB_WINDOW_NONE;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i)
        xcb_screen_next(&it);
    return it.rem > 0 ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

} // namespace Xcb
