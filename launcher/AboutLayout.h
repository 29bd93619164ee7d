#pragma once

#include "Twips.h"

#include <QRect>

// Where everything of the about window sits, given in twips. The client area is what the
// program sizes; the thin frame is the window manager's.
namespace AboutLayout {

inline constexpr int kWidth = 4380;
inline constexpr int kHeight = 1530;

inline constexpr QRect kIcon = Twips::rect(120, 240, 540, 540);
inline constexpr QRect kProductName = Twips::rect(840, 120, 2775, 375);
inline constexpr QRect kVersion = Twips::rect(1680, 480, 1935, 255);
inline constexpr QRect kCopyright = Twips::rect(1680, 720, 2535, 255);
inline constexpr QRect kLink = Twips::rect(1080, 1080, 2790, 240);

// The link's underline: a one-pixel line from (1080, 1320) to (3960, 1320), both ends drawn.
inline constexpr int kUnderlineLeft = 1080;
inline constexpr int kUnderlineRight = 3960;
inline constexpr int kUnderlineTop = 1320;
inline constexpr QRect kUnderline{Twips::toPixels(kUnderlineLeft), Twips::toPixels(kUnderlineTop),
                                  Twips::toPixels(kUnderlineRight - kUnderlineLeft) + 1, 1};

} // namespace AboutLayout
