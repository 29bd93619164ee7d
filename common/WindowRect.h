#pragma once

// A window's outer rectangle, decoration included, in screen pixels; right and bottom lie just
// past the last pixel, so right - left is the width. Plain numbers, so that the clocks' placement
// logic works on it without a window system.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const WindowRect&) const = default;
};
