#include "ToolWindow.h"

#include "Xcb_x11.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::uint8_t kBits = 32; // the format of atom and cardinal lists

// Each time the window is about to be mapped: the skip states added to _NET_WM_STATE, which a
// window manager drops when a window is hidden (Qt, mapping it, keeps what it finds there and
// adds its own); and a window that takes the keyboard on a click is mapped saying it takes
// none, given back once it shows. A user time of 0 asks a window manager not to focus a window
// it maps, but not every one heeds it (icewm gives the window the keyboard all the same); none
// focuses a window that says it takes no keyboard.
class ToolStates final : public QObject {
public:
    explicit ToolStates(QWidget& window) : QObject(&window), m_window(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        xcb_connection_t* c = Xcb::toolkitConnection();
        if (c == nullptr)
            return false;
        // Sent before the native window is mapped.
        if (watched == &m_window && event->type() == QEvent::Show) {
            addSkipStates(c);
            m_keyboardOnClick = m_window.testAttribute(Qt::WA_ShowWithoutActivating) &&
                                !m_window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
            if (m_keyboardOnClick)
                setTakesKeyboard(c, false);
            m_window.windowHandle()->installEventFilter(this);
        } else if (watched == m_window.windowHandle() && event->type() == QEvent::Expose &&
                   m_window.windowHandle()->isExposed()) {
            // Mapped, and its manager has decided: a click into it may give it the keyboard.
            m_window.windowHandle()->removeEventFilter(this);
            if (m_keyboardOnClick)
                setTakesKeyboard(c, true);
            // A window manager that maps a window without the keyboard over the one that has it
            // may mark it as asking for the user (mutter does): a clock never asks.
            dropDemandsAttention(c);
        }
        return false;
    }

private:
    xcb_window_t id() const { return xcb_window_t(m_window.winId()); }

    template <typename T>
    std::vector<T> property(xcb_connection_t* c, xcb_atom_t name, xcb_atom_t type) const
    {
        const auto held = Xcb::reply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, id(), name, type, 0, kMaxItems), nullptr));
        if (!held || held->format != kBits)
            return {};
        const auto* v = static_cast<const T*>(xcb_get_property_value(held.get()));
        return {v, v + xcb_get_property_value_length(held.get()) / sizeof(T)};
    }

    void addSkipStates(xcb_connection_t* c) const
    {
        const xcb_atom_t state = Xcb::atom(c, "_NET_WM_STATE");
        if (state == XCB_ATOM_NONE)
            return;
        std::vector<xcb_atom_t> states = property<xcb_atom_t>(c, state, XCB_ATOM_ATOM);
        for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
            const xcb_atom_t a = Xcb::atom(c, name);
            if (a != XCB_ATOM_NONE && std::find(states.begin(), states.end(), a) == states.end())
                states.push_back(a);
        }
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id(), state, XCB_ATOM_ATOM, kBits,
                            std::uint32_t(states.size()), states.data());
    }

    // Asks the window manager to take the state off, as a pager would (EWMH's _NET_WM_STATE
    // message to the root: remove, the state, none, from an application).
    void dropDemandsAttention(xcb_connection_t* c) const
    {
        const xcb_atom_t state = Xcb::atom(c, "_NET_WM_STATE");
        const xcb_atom_t demands = Xcb::atom(c, "_NET_WM_STATE_DEMANDS_ATTENTION");
        const xcb_window_t root = Xcb::rootWindow(c);
        if (state == XCB_ATOM_NONE || demands == XCB_ATOM_NONE || root == XCB_WINDOW_NONE)
            return;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = kBits;
        message.window = id();
        message.type = state;
        message.data.data32[0] = kStateRemove;
        message.data.data32[1] = demands;
        message.data.data32[3] = kFromApplication;
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(c);
    }

    // The input field of WM_HINTS, the rest as Qt wrote it.
    void setTakesKeyboard(xcb_connection_t* c, bool takes) const
    {
        std::vector<std::uint32_t> hints =
            property<std::uint32_t>(c, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS);
        hints.resize(std::max(hints.size(), kHintsLength));
        hints[kFlags] |= kInputHint;
        hints[kInput] = takes ? 1 : 0;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id(), XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS,
                            kBits, std::uint32_t(hints.size()), hints.data());
        xcb_flush(c);
    }

    static constexpr std::uint32_t kMaxItems = 64;
    static constexpr std::size_t kHintsLength = 9; // WM_HINTS has nine fields
    static constexpr std::size_t kFlags = 0;
    static constexpr std::size_t kInput = 1;
    static constexpr std::uint32_t kInputHint = 1;
    static constexpr std::uint32_t kStateRemove = 0;
    static constexpr std::uint32_t kFromApplication = 1;
    QWidget& m_window;
    bool m_keyboardOnClick = false; // mapped without the keyboard, given it back once shown
};

} // namespace

namespace ToolWindow {

void keepOffTaskbar(QWidget& window)
{
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    new ToolStates(window); // owned by the window
}

} // namespace ToolWindow
