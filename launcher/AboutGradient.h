#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// The about window's background: 257 horizontal bands, drawn one after another in twips with a
// pen as wide as a band is high in twips, later bands over earlier ones, so the colours run from
// black at the top to RGB(213, 151, 135) at the bottom.
namespace AboutGradient {

inline constexpr int kLastBand = 256;

// Colour of band i: (i / 1.2, i / 1.7, i / 1.9), each rounded half to even.
QColor bandColour(int band);

// Height of a band in twips, which is also the pen width in pixels: the client height in twips
// divided by 256, rounded half to even.
int bandHeight(int clientHeightTwips);

// The whole background for a client area of that many pixels.
QImage paint(QSize clientPixels);

} // namespace AboutGradient
