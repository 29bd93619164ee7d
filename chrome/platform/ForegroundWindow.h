#pragma once

#include <memory>
#include <optional>

class QWidget;

// A window's outer rectangle, decoration included, in screen pixels; right and bottom lie just
// past the last pixel, so right - left is the width.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

// Which window of the desktop is in the foreground, and where. One implementation per window
// system, chosen when building; where the system does not tell (Wayland and others), there is
// never a foreground window and a follower simply stays where it is.
class ForegroundWindow {
public:
    virtual ~ForegroundWindow() = default;

    // The foreground window's rectangle, or nothing when there is no foreground window, its
    // rectangle cannot be had, or it is `own` (its client or its frame).
    virtual std::optional<WindowRect> frameUnlessOwn(const QWidget& own) = 0;

    static std::unique_ptr<ForegroundWindow> create();
};
