#pragma once

#include "Twips.h"

#include <QRect>

// Where everything of the settings window sits, given in twips; each rectangle is in its
// parent's coordinates (the window, the "Clock" frame or an option box).
namespace SettingsLayout {

// The client area: the 9225 x 6750 twips window less a 4-pixel border on each side and a
// 19-pixel caption.
inline constexpr int kClientWidth = 9105;
inline constexpr int kClientHeight = 6345;

// The "Clock" frame and what it holds.
inline constexpr QRect kFrame = Twips::rect(120, 0, 3495, 2415);
inline constexpr QRect kInterval = Twips::rect(120, 240, 975, 255);
inline constexpr QRect kLanguageBox = Twips::rect(1200, 240, 2175, 255);
inline constexpr QRect kStyle = Twips::rect(120, 520, 1335, 255);
inline constexpr QRect kPatternBox = Twips::rect(1680, 555, 1695, 255);

// Japanese, English in their box.
constexpr QRect languageOption(int i)
{
    return Twips::rect(1200 * i, 0, i == 0 ? 1200 : 975, 255);
}

// Country, City in their box.
constexpr QRect patternOption(int i)
{
    return Twips::rect(960 * i, 0, i == 0 ? 960 : 735, 255);
}

// The etched rule under the choosers: a dark line, and a light one a pixel below it.
constexpr QRect ruleLine(int i)
{
    return {Twips::toPixels(60), Twips::toPixels(815 + Twips::kPerPixel * i),
            Twips::toPixels(3495 - 120), 1};
}

// A place slot's row: option button, name, time and summer mark.
inline constexpr int kSlotPitch = 240;
constexpr QRect slotOption(int n)
{
    return Twips::rect(120, 840 + kSlotPitch * n, 255, 255);
}
constexpr QRect slotName(int n)
{
    return Twips::rect(480, 900 + kSlotPitch * n, 2175, 255);
}
constexpr QRect slotTime(int n)
{
    return Twips::rect(2640, 900 + kSlotPitch * n, 495, 255);
}
constexpr QRect slotMark(int n)
{
    return Twips::rect(3120, 900 + kSlotPitch * n, 255, 255);
}

// The window's own controls.
// The search field over the pick list, which gives it the field's height; the places found
// take the list's place.
inline constexpr QRect kSearch = Twips::rect(120, 2760, 3495, 300);
inline constexpr QRect kPickList = Twips::rect(120, 3060, 3495, 1200);
inline constexpr QRect kUtcCaption = Twips::rect(240, 2520, 615, 255);
inline constexpr QRect kUtcOffset = Twips::rect(960, 2475, 855, 255);
inline constexpr QRect kLocalCaption = Twips::rect(1920, 2520, 735, 255);
inline constexpr QRect kLocalOffset = Twips::rect(2760, 2475, 855, 255);

// The map, and the span of its cross-hair's lines: the east-west line runs from the map's top
// down to kCrossHairBottom, the north-south line from its left to kCrossHairRight.
inline constexpr int kMapLeft = 3720;
inline constexpr int kMapTop = 120;
inline constexpr QRect kMap = Twips::rect(kMapLeft, kMapTop, 5235, 3090);
inline constexpr int kCrossHairBottom = 3240;
inline constexpr int kCrossHairRight = 9000;

// The details panel: captions and values.
inline constexpr QRect kCountryCaption = Twips::rect(3720, 3360, 1455, 255);
inline constexpr QRect kCountryName = Twips::rect(5160, 3360, 3855, 255);
inline constexpr QRect kCapitalCaption = Twips::rect(3720, 3720, 1815, 255);
inline constexpr QRect kCapital = Twips::rect(5160, 3720, 3855, 495);
inline constexpr QRect kLanguageCaption = Twips::rect(1320, 4320, 1095, 255);
inline constexpr QRect kLanguage = Twips::rect(2400, 4320, 6615, 615);
inline constexpr QRect kCurrencyCaption = Twips::rect(120, 5040, 1815, 255);
inline constexpr QRect kCurrency = Twips::rect(1200, 5040, 7815, 255);
inline constexpr QRect kExchangeCaption = Twips::rect(120, 5400, 855, 495);
inline constexpr QRect kExchange = Twips::rect(1200, 5400, 3975, 495);
inline constexpr QRect kFlag = Twips::rect(120, 4320, 870, 600);

// The four buttons, two rows of two.
inline constexpr QRect kOk = Twips::rect(6960, 5760, 975, 285);
inline constexpr QRect kCancel = Twips::rect(8040, 5760, 975, 285);
inline constexpr QRect kAbout = Twips::rect(6960, 5400, 975, 285);
inline constexpr QRect kHelp = Twips::rect(8040, 5400, 975, 285);

} // namespace SettingsLayout
