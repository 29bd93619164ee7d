#pragma once

#include "platform/ForegroundWindow.h"

#include <optional>

// The foreground window as a test sets it: the rectangle it holds, or none.
class FakeForeground final : public ForegroundWindow {
public:
    std::optional<WindowRect> frameUnlessOwn(const QWidget&) override { return rect; }
    bool canFollow() const override { return followable; }
    std::optional<WindowRect> rect;
    bool followable = true;
};
