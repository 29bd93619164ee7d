#include "SizingFrame.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace SizingFrame {

namespace {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Other Qt platforms (offscreen) may answer for X11 without a connection of their own.
    if (x11 == nullptr || QGuiApplication::platformName() != u"xcb")
        return nullptr;
    return x11->connection();
}

xcb_atom_t atomNamed(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    if (reply == nullptr)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

void request(QWidget* window)
{
    xcb_connection_t* c = connection();
    if (window == nullptr || c == nullptr)
        return;
    const xcb_atom_t hintsAtom = atomNamed(c, "_MOTIF_WM_HINTS");
    if (hintsAtom == XCB_ATOM_NONE)
        return;
    // Functions: move and resize. Decorations: the border alone; asking for resize handles too
    // makes some window managers add the whole title bar back.
    constexpr std::uint32_t kFunctions = 1, kDecorations = 2;
    constexpr std::uint32_t kResize = 2, kMove = 4;
    constexpr std::uint32_t kBorder = 2;
    const std::array<std::uint32_t, 5> hints{kFunctions | kDecorations, kResize | kMove, kBorder, 0,
                                             0};
    const auto id = xcb_window_t(window->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, hintsAtom, hintsAtom, 32,
                        std::uint32_t(hints.size()), hints.data());
    xcb_flush(c);
}

std::optional<QPoint> clientOrigin(QWidget* window)
{
    xcb_connection_t* c = connection();
    if (window == nullptr || c == nullptr || !window->isVisible())
        return std::nullopt;
    const auto id = xcb_window_t(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_translate_coordinates_reply_t* at =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, root, 0, 0), nullptr);
    if (at == nullptr)
        return std::nullopt;
    const QPoint origin(at->dst_x, at->dst_y);
    std::free(at);
    return origin;
}

} // namespace SizingFrame
