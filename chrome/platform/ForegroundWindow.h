#pragma once

#include "WindowNames.h"
#include "WindowRect.h"

#include <functional>
#include <memory>
#include <optional>

#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

// How the window manager decorates the foreground window: the height of its title bar (the top
// of its frame), in the same pixels as WindowRect, and the name it shows there.
struct TitleBar {
    int height = 0;
    QString title;
    bool operator==(const TitleBar&) const = default;
};

// Which window of the desktop is in the foreground, and where. One implementation per window
// system, chosen when building; where the system does not tell (Wayland and others), there is
// never a foreground window and a follower simply stays where it is.
class ForegroundWindow {
public:
    virtual ~ForegroundWindow() = default;

    // The foreground window's rectangle, or nothing when there is no foreground window, its
    // rectangle cannot be had, or it belongs to this program: `own` or any other window of this
    // process (a message box, a dialog), client or frame.
    virtual std::optional<WindowRect> frameUnlessOwn(const QWidget& own) = 0;

    // Whether this desktop can tell of other programs' windows at all: false where this
    // program runs on a window system that keeps them from it (Wayland), so that following
    // cannot be offered.
    virtual bool canFollow() const = 0;

    // Asks to be told, from the event loop, whenever the foreground window or its place may
    // have changed. True when the window system tells; false when it cannot, and the caller
    // asks frameUnlessOwn() on its own.
    // Taken by value: an implementation that can watch keeps it.
    virtual bool
    watch(std::function<void()> /*changed*/) // NOLINT(performance-unnecessary-value-param)
    {
        return false;
    }

    // The title bar of the window that frameUnlessOwn() last gave; nothing where the window
    // system does not tell.
    virtual std::optional<TitleBar> titleBar() { return std::nullopt; }

    // What the title bar shows within `area` of that window's frame (relative to its top left
    // corner, in the same pixels as WindowRect); a null image where it cannot be read, as under a
    // compositor that draws the decorations itself.
    virtual QImage titleBarPixels(const QRect& /*area*/) { return {}; }

    // The window manager's own name ("Openbox", "KWin"); empty where there is none or it is not
    // told.
    virtual QString windowManagerName() { return {}; }

    // Whether a compositor runs, so that a window with an alpha channel shows what lies below it.
    virtual bool compositing() { return false; }

    // The title and class of the foreground window, asked anew each time, as a title changes
    // with what the window shows; nothing when there is none, it is one of this program's as
    // for frameUnlessOwn(), or the window system does not tell.
    virtual std::optional<WindowNames> frontNames(const QWidget& /*own*/) { return std::nullopt; }

    static std::unique_ptr<ForegroundWindow> create();
};
