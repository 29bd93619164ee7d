#include "ForegroundWindow.h"

#include "DevicePixels.h"
#include "Xcb_x11.h"

#include <QByteArray>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

// EWMH through a connection of our own, so that a broken or slow answer never disturbs the
// toolkit's connection; when the display goes away the queries just come back empty. Changes
// are learnt from events on that connection: the root's _NET_ACTIVE_WINDOW and the followed
// window's frame being moved, resized or gone.
class X11ForegroundWindow final : public ForegroundWindow {
public:
    X11ForegroundWindow()
    {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        m_root = Xcb::rootWindow(m_connection, screenNumber);
        m_screenNumber = screenNumber;
        if (m_root == XCB_WINDOW_NONE)
            return;
        m_activeAtom = Xcb::atom(m_connection, "_NET_ACTIVE_WINDOW");
        m_extentsAtom = Xcb::atom(m_connection, "_NET_FRAME_EXTENTS");
        // Windows made by the toolkit's connection carry its resource id base: those are ours.
        if (xcb_connection_t* toolkit = Xcb::toolkitConnection()) {
            const xcb_setup_t* setup = xcb_get_setup(toolkit);
            m_ownIdBase = setup->resource_id_base;
            m_ownIdMask = setup->resource_id_mask;
        }
    }
    ~X11ForegroundWindow() override
    {
        m_notifier.reset();
        xcb_disconnect(m_connection);
    }
    X11ForegroundWindow(const X11ForegroundWindow&) = delete;
    X11ForegroundWindow& operator=(const X11ForegroundWindow&) = delete;

    std::optional<WindowRect> frameUnlessOwn(const QWidget& own) override
    {
        if (!usable())
            return std::nullopt;
        const xcb_window_t active = activeWindow();
        noteActive(active, own);
        std::optional<WindowRect> frame;
        m_titleBar.reset();
        if (active != XCB_WINDOW_NONE && !m_lastActiveIsOwn)
            frame = frameOf(active);
        // Replies read the events that came before them into the queue, where the socket no
        // longer shows them.
        if (takeQueuedEvents())
            notifyLater();
        return frame;
    }

    std::optional<WindowNames> frontNames(const QWidget& own) override
    {
        if (!usable())
            return std::nullopt;
        const xcb_window_t active = activeWindow();
        noteActive(active, own);
        if (active == XCB_WINDOW_NONE || m_lastActiveIsOwn)
            return std::nullopt;
        // WM_CLASS holds two strings, each ended by a zero byte.
        QByteArray classes = property(active, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
        classes.replace('\0', ' ');
        const auto names =
            WindowNames{textProperty(active), QString::fromLatin1(classes.trimmed())};
        if (takeQueuedEvents())
            notifyLater();
        return names;
    }

    // Our windows and the others' must both be X windows for one to be laid over the other.
    bool canFollow() const override { return usable() && Xcb::toolkitConnection() != nullptr; }

    std::optional<TitleBar> titleBar() override { return m_titleBar; }

    QImage titleBarPixels(const QRect& area) override
    {
        if (!usable() || !m_titleBar || m_lastActive == XCB_WINDOW_NONE || m_scale <= 0)
            return {};
        // Looked up now: a window manager may have framed the window since it was activated.
        const xcb_window_t frame = topLevelOf(m_lastActive);
        const QRect device((QPointF(area.topLeft()) * m_scale).toPoint(),
                           (QSizeF(area.size()) * m_scale).toSize());
        if (device.isEmpty())
            return {};
        // The frame's own contents: the same with a compositor, which paints the root instead.
        const auto cookie =
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, frame, std::int16_t(device.x()),
                          std::int16_t(device.y()), std::uint16_t(device.width()),
                          std::uint16_t(device.height()), ~0U);
        const auto image = Xcb::reply(xcb_get_image_reply(m_connection, cookie, nullptr));
        const auto pixels = std::size_t(device.width()) * std::size_t(device.height());
        if (!image || (image->depth != 24 && image->depth != 32) ||
            std::size_t(xcb_get_image_data_length(image.get())) != pixels * 4)
            return {};
        QImage shown = QImage(xcb_get_image_data(image.get()), device.width(), device.height(),
                              device.width() * 4, QImage::Format_RGB32)
                           .copy();
        // Drawn back as it was read, one screen pixel for one, at any scale.
        shown.setDevicePixelRatio(m_scale);
        return shown;
    }

    QString windowManagerName() override
    {
        if (!usable())
            return {};
        const xcb_window_t check = windowProperty(m_root, "_NET_SUPPORTING_WM_CHECK");
        return check == XCB_WINDOW_NONE ? QString() : textProperty(check);
    }

    bool compositing() override
    {
        if (!usable())
            return false;
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(m_screenNumber);
        const xcb_atom_t selection = Xcb::atom(m_connection, name.constData(), true);
        if (selection == XCB_ATOM_NONE)
            return false;
        const auto owner = Xcb::reply(xcb_get_selection_owner_reply(
            m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
        return owner && owner->owner != XCB_WINDOW_NONE;
    }

    bool watch(std::function<void()> changed) override
    {
        if (!usable())
            return false;
        m_changed = std::move(changed);
        const std::uint32_t rootMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &rootMask);
        xcb_flush(m_connection);
        m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection),
                                                       QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                         [this] { onReadable(); });
        // A newly activated window may still be reparented, placed or given its decoration
        // after the event that told of it, in ways its frame's events do not show; one more
        // look once things have settled finds where it ended up.
        m_settle = std::make_unique<QTimer>();
        m_settle->setSingleShot(true);
        m_settle->setInterval(kSettleMs);
        QObject::connect(m_settle.get(), &QTimer::timeout, m_settle.get(), [this] {
            if (m_changed)
                m_changed();
        });
        return true;
    }

private:
    bool usable() const
    {
        return m_root != XCB_WINDOW_NONE && m_activeAtom != XCB_ATOM_NONE &&
               xcb_connection_has_error(m_connection) == 0;
    }

    void onReadable()
    {
        bool changed = false;
        while (const auto event = Xcb::reply(xcb_poll_for_event(m_connection)))
            changed = matters(event.get()) || changed;
        if (xcb_connection_has_error(m_connection) != 0) {
            m_notifier->setEnabled(false); // the display is gone: nothing more will come
            changed = true;
        }
        if (changed && m_changed)
            m_changed();
    }

    bool takeQueuedEvents()
    {
        bool changed = false;
        while (const auto event = Xcb::reply(xcb_poll_for_queued_event(m_connection)))
            changed = matters(event.get()) || changed;
        return changed;
    }

    void notifyLater()
    {
        if (m_notifier && m_changed)
            QTimer::singleShot(0, m_notifier.get(), [this] {
                if (m_changed)
                    m_changed();
            });
    }

    bool matters(const xcb_generic_event_t* event) const
    {
        switch (event->response_type & 0x7f) {
        case XCB_PROPERTY_NOTIFY: {
            const auto* e = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            return e->window == m_root && e->atom == m_activeAtom;
        }
        case XCB_CONFIGURE_NOTIFY:
            return reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window ==
                   m_followedFrame;
        case XCB_UNMAP_NOTIFY:
        case XCB_DESTROY_NOTIFY:
        case XCB_REPARENT_NOTIFY:
            return true;
        default:
            return false;
        }
    }

    // Hears of the frame around `active` being moved or resized from now on, and no longer of
    // the one before.
    void follow(xcb_window_t active)
    {
        if (!m_notifier)
            return;
        const xcb_window_t frame = active == XCB_WINDOW_NONE ? active : topLevelOf(active);
        if (frame == m_followedFrame)
            return;
        if (m_followedFrame != XCB_WINDOW_NONE) {
            const std::uint32_t none = XCB_EVENT_MASK_NO_EVENT;
            xcb_change_window_attributes(m_connection, m_followedFrame, XCB_CW_EVENT_MASK, &none);
        }
        m_followedFrame = frame;
        if (frame != XCB_WINDOW_NONE) {
            const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(m_connection, frame, XCB_CW_EVENT_MASK, &mask);
        }
        xcb_flush(m_connection);
    }

    // The window's ancestor just below the root: the window manager's frame, or the window
    // itself when it has none.
    xcb_window_t topLevelOf(xcb_window_t window)
    {
        xcb_window_t w = window;
        for (int depth = 0; depth < 16; ++depth) {
            const auto tree = Xcb::reply(
                xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, w), nullptr));
            if (!tree)
                return XCB_WINDOW_NONE;
            if (tree->parent == m_root || tree->parent == XCB_WINDOW_NONE)
                return w;
            w = tree->parent;
        }
        return XCB_WINDOW_NONE;
    }

    // Walks the window tree only when the active window changed.
    void noteActive(xcb_window_t active, const QWidget& own)
    {
        const auto ownClient = xcb_window_t(own.winId());
        if (active == m_lastActive && ownClient == m_lastOwnClient)
            return;
        m_lastActive = active;
        m_lastOwnClient = ownClient;
        m_lastActiveIsOwn = active != XCB_WINDOW_NONE && isOwn(active, ownClient);
        follow(active);
        if (m_settle)
            m_settle->start();
    }

    xcb_window_t activeWindow() { return windowProperty(m_root, m_activeAtom); }

    xcb_window_t windowProperty(xcb_window_t window, const char* name)
    {
        return windowProperty(window, Xcb::atom(m_connection, name, true));
    }

    xcb_window_t windowProperty(xcb_window_t window, xcb_atom_t property)
    {
        if (property == XCB_ATOM_NONE)
            return XCB_WINDOW_NONE;
        const auto cookie =
            xcb_get_property(m_connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1);
        const auto reply = Xcb::reply(xcb_get_property_reply(m_connection, cookie, nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) < int(sizeof(xcb_window_t)))
            return XCB_WINDOW_NONE;
        return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    }

    // A window's name as its title bar shows it: the UTF-8 _NET_WM_NAME, else the older WM_NAME.
    QString textProperty(xcb_window_t window)
    {
        const xcb_atom_t utf8 = Xcb::atom(m_connection, "UTF8_STRING", true);
        const xcb_atom_t netName = Xcb::atom(m_connection, "_NET_WM_NAME", true);
        if (utf8 != XCB_ATOM_NONE && netName != XCB_ATOM_NONE) {
            const QByteArray text = property(window, netName, utf8);
            if (!text.isEmpty())
                return QString::fromUtf8(text);
        }
        return QString::fromLatin1(property(window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY));
    }

    QByteArray property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        constexpr std::uint32_t kLongs = 256; // a title bar shows far less than 1 KiB
        const auto cookie = xcb_get_property(m_connection, 0, window, name, type, 0, kLongs);
        const auto reply = Xcb::reply(xcb_get_property_reply(m_connection, cookie, nullptr));
        if (!reply || reply->format != 8)
            return {};
        return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                xcb_get_property_value_length(reply.get())};
    }

    bool madeByUs(xcb_window_t window) const
    {
        return m_ownIdMask != 0 && (window & ~m_ownIdMask) == m_ownIdBase;
    }

    // The active window is normally a client; a window manager may name its frame instead, so
    // our client's ancestors and a frame holding a window of ours count as ours too.
    bool isOwn(xcb_window_t active, xcb_window_t ownClient)
    {
        if (madeByUs(active))
            return true;
        xcb_window_t w = ownClient;
        for (int depth = 0; depth < 16 && w != XCB_WINDOW_NONE && w != m_root; ++depth) {
            if (w == active)
                return true;
            const auto tree = Xcb::reply(
                xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, w), nullptr));
            if (!tree)
                return false;
            w = tree->parent;
        }
        const auto tree = Xcb::reply(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, active), nullptr));
        if (!tree)
            return false;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            if (madeByUs(children[i]))
                return true;
        }
        return false;
    }

    std::optional<WindowRect> frameOf(xcb_window_t window)
    {
        const auto geometryCookie = xcb_get_geometry(m_connection, window);
        const auto rootCookie = xcb_translate_coordinates(m_connection, window, m_root, 0, 0);
        const auto extentsCookie =
            xcb_get_property(m_connection, 0, window, m_extentsAtom, XCB_ATOM_CARDINAL, 0, 4);
        const auto geometry =
            Xcb::reply(xcb_get_geometry_reply(m_connection, geometryCookie, nullptr));
        const auto origin =
            Xcb::reply(xcb_translate_coordinates_reply(m_connection, rootCookie, nullptr));
        const auto extents =
            Xcb::reply(xcb_get_property_reply(m_connection, extentsCookie, nullptr));
        if (!geometry || !origin)
            return std::nullopt;
        // Decoration widths, left, right, top, bottom; none when the manager gives none.
        std::array<std::uint32_t, 4> e{};
        if (extents && xcb_get_property_value_length(extents.get()) >= int(sizeof e)) {
            const auto* v =
                static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
            for (std::size_t i = 0; i < e.size(); ++i)
                e[i] = v[i];
        }
        const int left = origin->dst_x;
        const int top = origin->dst_y;
        const WindowRect device{left - int(e[0]), top - int(e[2]),
                                left + geometry->width + int(e[1]),
                                top + geometry->height + int(e[3])};
        const WindowRect logical = DevicePixels::toLogical(device);
        m_scale = logical.right > logical.left
                      ? double(device.right - device.left) / (logical.right - logical.left)
                      : 0;
        if (m_scale > 0)
            m_titleBar = TitleBar{int(std::lround(e[2] / m_scale)), textProperty(window)};
        return logical;
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_atom_t m_activeAtom = XCB_ATOM_NONE;
    xcb_atom_t m_extentsAtom = XCB_ATOM_NONE;
    std::uint32_t m_ownIdBase = 0;
    std::uint32_t m_ownIdMask = 0;
    int m_screenNumber = 0;
    xcb_window_t m_lastActive = XCB_WINDOW_NONE;
    std::optional<TitleBar> m_titleBar;
    double m_scale = 0; // device pixels per logical one where the followed window is
    xcb_window_t m_lastOwnClient = XCB_WINDOW_NONE;
    bool m_lastActiveIsOwn = false;
    xcb_window_t m_followedFrame = XCB_WINDOW_NONE;
    std::function<void()> m_changed;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::unique_ptr<QTimer> m_settle;
    static constexpr int kSettleMs = 300;
};

} // namespace

std::unique_ptr<ForegroundWindow> ForegroundWindow::create()
{
    return std::make_unique<X11ForegroundWindow>();
}
