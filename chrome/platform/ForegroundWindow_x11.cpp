#include "ForegroundWindow.h"

#include <QByteArray>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> owned(T* reply)
{
    return Reply<T>(reply, &std::free);
}

// EWMH through a connection of our own, so that a broken or slow answer never disturbs the
// toolkit's connection; when the display goes away the queries just come back empty.
class X11ForegroundWindow final : public ForegroundWindow {
public:
    X11ForegroundWindow()
    {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_connection) != 0)
            return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber && it.rem > 0; ++i)
            xcb_screen_next(&it);
        if (it.rem > 0)
            m_root = it.data->root;
        m_activeAtom = atom("_NET_ACTIVE_WINDOW");
        m_extentsAtom = atom("_NET_FRAME_EXTENTS");
    }
    ~X11ForegroundWindow() override { xcb_disconnect(m_connection); }
    X11ForegroundWindow(const X11ForegroundWindow&) = delete;
    X11ForegroundWindow& operator=(const X11ForegroundWindow&) = delete;

    std::optional<WindowRect> frameUnlessOwn(const QWidget& own) override
    {
        if (!usable())
            return std::nullopt;
        const xcb_window_t active = activeWindow();
        if (active == XCB_WINDOW_NONE)
            return std::nullopt;
        // Asked ten times a second: walk our own window's ancestry only when the answer can
        // have changed, which saves most of the round trips to the server.
        const auto ownClient = xcb_window_t(own.winId());
        if (active != m_lastActive || ownClient != m_lastOwnClient) {
            m_lastActive = active;
            m_lastOwnClient = ownClient;
            m_lastActiveIsOwn = isOwn(active, ownClient);
        }
        if (m_lastActiveIsOwn)
            return std::nullopt;
        return frameOf(active);
    }

private:
    bool usable() const
    {
        return m_root != XCB_WINDOW_NONE && m_activeAtom != XCB_ATOM_NONE &&
               xcb_connection_has_error(m_connection) == 0;
    }

    xcb_atom_t atom(const char* name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 1, uint16_t(qstrlen(name)), name);
        const auto reply = owned(xcb_intern_atom_reply(m_connection, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    xcb_window_t activeWindow()
    {
        const auto cookie =
            xcb_get_property(m_connection, 0, m_root, m_activeAtom, XCB_ATOM_WINDOW, 0, 1);
        const auto reply = owned(xcb_get_property_reply(m_connection, cookie, nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) < int(sizeof(xcb_window_t)))
            return XCB_WINDOW_NONE;
        return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    }

    // The active window is normally the client; a window manager may name its frame instead,
    // so every ancestor of our client below the root counts as ours too.
    bool isOwn(xcb_window_t active, xcb_window_t ownClient)
    {
        xcb_window_t w = ownClient;
        for (int depth = 0; depth < 16 && w != XCB_WINDOW_NONE && w != m_root; ++depth) {
            if (w == active)
                return true;
            const auto reply =
                owned(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, w), nullptr));
            if (!reply)
                return false;
            w = reply->parent;
        }
        return false;
    }

    std::optional<WindowRect> frameOf(xcb_window_t window)
    {
        const auto geometryCookie = xcb_get_geometry(m_connection, window);
        const auto rootCookie = xcb_translate_coordinates(m_connection, window, m_root, 0, 0);
        const auto extentsCookie =
            xcb_get_property(m_connection, 0, window, m_extentsAtom, XCB_ATOM_CARDINAL, 0, 4);
        const auto geometry = owned(xcb_get_geometry_reply(m_connection, geometryCookie, nullptr));
        const auto origin =
            owned(xcb_translate_coordinates_reply(m_connection, rootCookie, nullptr));
        const auto extents = owned(xcb_get_property_reply(m_connection, extentsCookie, nullptr));
        if (!geometry || !origin)
            return std::nullopt;
        // Decoration widths, left, right, top, bottom; none when the manager gives none.
        uint32_t e[4] = {0, 0, 0, 0};
        if (extents && xcb_get_property_value_length(extents.get()) >= int(sizeof e)) {
            const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));
            for (int i = 0; i < 4; ++i)
                e[i] = v[i];
        }
        const int left = origin->dst_x;
        const int top = origin->dst_y;
        return WindowRect{left - int(e[0]), top - int(e[2]), left + geometry->width + int(e[1]),
                          top + geometry->height + int(e[3])};
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_atom_t m_activeAtom = XCB_ATOM_NONE;
    xcb_atom_t m_extentsAtom = XCB_ATOM_NONE;
    xcb_window_t m_lastActive = XCB_WINDOW_NONE;
    xcb_window_t m_lastOwnClient = XCB_WINDOW_NONE;
    bool m_lastActiveIsOwn = false;
};

} // namespace

std::unique_ptr<ForegroundWindow> ForegroundWindow::create()
{
    return std::make_unique<X11ForegroundWindow>();
}
