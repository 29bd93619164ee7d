#include "SizingFrame.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>

namespace SizingFrame {

void request(QWidget* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (window == nullptr || x11 == nullptr)
        return;
    xcb_connection_t* c = x11->connection();
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof kName - 1, kName), nullptr);
    if (atom == nullptr)
        return;
    // Functions: move and resize. Decorations: the border alone; asking for resize handles too
    // makes some window managers add the whole title bar back.
    constexpr std::uint32_t kFunctions = 1, kDecorations = 2;
    constexpr std::uint32_t kResize = 2, kMove = 4;
    constexpr std::uint32_t kBorder = 2;
    const std::array<std::uint32_t, 5> hints{kFunctions | kDecorations, kResize | kMove, kBorder, 0,
                                             0};
    const auto id = xcb_window_t(window->winId());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom->atom, atom->atom, 32,
                        std::uint32_t(hints.size()), hints.data());
    std::free(atom);
    xcb_flush(c);
}

} // namespace SizingFrame
