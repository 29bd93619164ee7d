#include "SizingFrame.h"

#include "DevicePixels.h"
#include "Xcb_x11.h"

#include <QWidget>
#include <array>
#include <cstdint>

namespace SizingFrame {

void request(QWidget* window, Sizing sizing)
{
    xcb_connection_t* c = Xcb::toolkitConnection();
    if (window == nullptr || c == nullptr)
        return;
    const xcb_atom_t hintsAtom = Xcb::atom(c, "_MOTIF_WM_HINTS");
    if (hintsAtom == XCB_ATOM_NONE)
        return;
    // Functions: move, and resize where wanted. Decorations: the border alone; asking for resize
    // handles too makes some window managers add the whole title bar back.
    constexpr std::uint32_t kFunctions = 1, kDecorations = 2;
    constexpr std::uint32_t kResize = 2, kMove = 4;
    constexpr std::uint32_t kBorder = 2;
    const std::uint32_t functions = sizing == Sizing::Resizable ? kResize | kMove : kMove;
    const std::array<std::uint32_t, 5> hints{kFunctions | kDecorations, functions, kBorder, 0, 0};
    const auto id = xcb_window_t(window->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, hintsAtom, hintsAtom, 32,
                        std::uint32_t(hints.size()), hints.data());
    xcb_flush(c);
}

namespace {

// Where the inside of the window is, in the X server's device pixels.
std::optional<QPoint> deviceClientOrigin(QWidget* window)
{
    xcb_connection_t* c = Xcb::toolkitConnection();
    if (window == nullptr || c == nullptr || !window->isVisible())
        return std::nullopt;
    const auto id = xcb_window_t(window->winId());
    const xcb_window_t root = Xcb::rootWindow(c);
    const auto at = Xcb::reply(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, root, 0, 0), nullptr));
    if (!at)
        return std::nullopt;
    return QPoint(at->dst_x, at->dst_y);
}

std::optional<QPoint> logical(const std::optional<QPoint>& device)
{
    return device ? std::optional<QPoint>(DevicePixels::toLogical(*device)) : std::nullopt;
}

} // namespace

std::optional<QPoint> clientOrigin(QWidget* window)
{
    return logical(deviceClientOrigin(window));
}

std::optional<QPoint> frameOrigin(QWidget* window)
{
    const std::optional<QPoint> inside = deviceClientOrigin(window);
    xcb_connection_t* c = Xcb::toolkitConnection();
    if (!inside || c == nullptr)
        return std::nullopt;
    const xcb_atom_t extentsAtom = Xcb::atom(c, "_NET_FRAME_EXTENTS", true);
    if (extentsAtom == XCB_ATOM_NONE)
        return logical(inside);
    const auto id = xcb_window_t(window->winId());
    const auto extents = Xcb::reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, extentsAtom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!extents || xcb_get_property_value_length(extents.get()) < int(4 * sizeof(std::uint32_t)))
        return logical(inside); // no decoration
    // Left, right, top, bottom: the frame lies left and top widths before the inside.
    const auto* e = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
    return logical(*inside - QPoint(int(e[0]), int(e[2])));
}

} // namespace SizingFrame
