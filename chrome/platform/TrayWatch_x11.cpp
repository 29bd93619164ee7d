#include "TrayWatch.h"

#include "Xcb_x11.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QSocketNotifier>

namespace {

// Where KDE's, GNOME's AppIndicator and other StatusNotifierItem trays take the icons.
constexpr auto kSniWatcher = "org.kde.StatusNotifierWatcher";

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

} // namespace

// An X tray is the owner of the selection _NET_SYSTEM_TRAY_S<screen>: it announces itself with
// a MANAGER message to the root window and goes with its owner window. Both are watched on a
// connection of our own, so that the toolkit's event masks stay as they are. A tray that
// speaks StatusNotifierItem is a watcher service on the session bus instead.
struct TrayWatch::Watch {
    std::unique_ptr<xcb_connection_t, Disconnect> x;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t selection = XCB_ATOM_NONE;
    xcb_atom_t manager = XCB_ATOM_NONE;
    xcb_window_t owner = XCB_WINDOW_NONE;
    std::unique_ptr<QSocketNotifier> readable;
    std::unique_ptr<QDBusServiceWatcher> sni;

    void listen(xcb_window_t window) const
    {
        const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(x.get(), window, XCB_CW_EVENT_MASK, &mask);
    }

    // The present owner, listened to for its end; asked again after listening, so that an
    // owner that went in between is not missed.
    void followOwner()
    {
        const auto ask = [this] {
            const auto cookie = xcb_get_selection_owner(x.get(), selection);
            const auto answer = Xcb::reply(xcb_get_selection_owner_reply(x.get(), cookie, nullptr));
            return answer ? answer->owner : xcb_window_t(XCB_WINDOW_NONE);
        };
        for (xcb_window_t now = ask(); now != owner; now = ask()) {
            owner = now;
            if (owner != XCB_WINDOW_NONE)
                listen(owner);
        }
        xcb_flush(x.get());
    }

    // Whether any event said that the tray came or went.
    bool readEvents()
    {
        bool changed = false;
        while (const auto event = Xcb::reply(xcb_poll_for_event(x.get()))) {
            const auto type = event->response_type & ~0x80;
            if (type == XCB_CLIENT_MESSAGE) {
                const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
                changed |= m->type == manager && m->data.data32[1] == selection;
            } else if (type == XCB_DESTROY_NOTIFY) {
                const auto* d = reinterpret_cast<const xcb_destroy_notify_event_t*>(event.get());
                changed |= d->window == owner;
            }
        }
        return changed;
    }
};

TrayWatch::TrayWatch(QObject* parent) : QObject(parent), m_watch(std::make_unique<Watch>())
{
    Watch& w = *m_watch;
    if (Xcb::toolkitConnection() != nullptr) {
        int screen = 0;
        w.x.reset(xcb_connect(nullptr, &screen));
        if (xcb_connection_has_error(w.x.get()) == 0) {
            w.root = Xcb::rootWindow(w.x.get(), screen);
            const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
            w.selection = Xcb::atom(w.x.get(), name.constData());
            w.manager = Xcb::atom(w.x.get(), "MANAGER");
            w.listen(w.root); // the MANAGER message goes to the root window
            w.followOwner();
            w.readable = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(w.x.get()),
                                                           QSocketNotifier::Read);
            connect(w.readable.get(), &QSocketNotifier::activated, this, [this] {
                if (!m_watch->readEvents())
                    return;
                m_watch->followOwner();
                m_watch->readEvents(); // what came while asking
                emit changed();
            });
        }
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        w.sni =
            std::make_unique<QDBusServiceWatcher>(QString::fromLatin1(kSniWatcher), bus,
                                                  QDBusServiceWatcher::WatchForRegistration |
                                                      QDBusServiceWatcher::WatchForUnregistration);
        connect(w.sni.get(), &QDBusServiceWatcher::serviceRegistered, this, &TrayWatch::changed);
        connect(w.sni.get(), &QDBusServiceWatcher::serviceUnregistered, this, &TrayWatch::changed);
    }
}

TrayWatch::~TrayWatch() = default;
