#pragma once

#include "platform/ForegroundWindow.h"

#include <optional>

// The foreground window as a test sets it: the rectangle it holds, or none, its title bar and
// the window manager's name.
class FakeForeground final : public ForegroundWindow {
public:
    std::optional<WindowRect> frameUnlessOwn(const QWidget&) override { return rect; }
    bool canFollow() const override { return followable; }
    std::optional<TitleBar> titleBar() override
    {
        if (!rect)
            return std::nullopt;
        return bar;
    }
    QImage titleBarPixels(const QRect& area) override { return pixels.copy(area); }
    QString windowManagerName() override { return manager; }
    std::optional<WindowRect> rect;
    bool followable = true;
    TitleBar bar{20, {}};
    QString manager;
    QImage pixels; // the frame as drawn, its title bar at the top
};
