#pragma once

#include <QRect>

// Window positions and sizes are kept in twips (1/1440 inch). Qt's logical pixels are 1/96
// inch at the usual density, so one logical pixel is 15 twips everywhere and a high-density
// screen scales the windows by its device pixel ratio like any other Qt window.
namespace Twips {

inline constexpr int kPerPixel = 15;

// Far beyond any screen, and safely inside int: numbers out of range (or not numbers) never
// reach the conversion.
inline constexpr double kFarPixels = 1 << 24;

constexpr int toPixels(double twips)
{
    if (!(twips == twips)) // not a number
        return 0;
    const double pixels = twips >= 0 ? twips / kPerPixel + 0.5 : twips / kPerPixel - 0.5;
    return int(pixels < -kFarPixels ? -kFarPixels : pixels > kFarPixels ? kFarPixels : pixels);
}

constexpr float fromPixels(int pixels)
{
    return float(pixels) * kPerPixel;
}

// A rectangle given in twips, in pixels.
constexpr QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
