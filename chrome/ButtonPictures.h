#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <array>

// The picture store `imgBtnKP`: ten 8 x 16 pictures for the image buttons. Even indexes are the
// normal looks, odd ones the hover looks (index 2k + 1 is the hover look of 2k); a pair differs
// only in the glyph colour. Painted from the text masks in ButtonPictures.cpp, so a glyph is
// changed by editing text, never a binary.
class ButtonPictures {
public:
    static constexpr int kCount = 10;
    static constexpr int kWidth = 8;
    static constexpr int kHeight = 16;

    static constexpr QRgb kFace = 0xffa5d6f7;
    static constexpr QRgb kEdge = 0xff6b8aa5; // grey-blue
    static constexpr QRgb kGlyph = 0xff004a9c;
    static constexpr QRgb kGlyphHover = 0xffff0000;

    // Index of each glyph's normal look; its hover look is the next index.
    static constexpr int kTriangleLeft = 0;  // switch to the title-bar clock
    static constexpr int kCross = 2;         // end
    static constexpr int kTrianglesUp = 4;   // follow the title bar on / off
    static constexpr int kTriangleRight = 6; // switch to the other clock
    static constexpr int kBarTriangle = 8;   // settings

    ButtonPictures();

    // Out-of-range indexes give an empty pixmap rather than reading past the store.
    const QPixmap& at(int index) const;

    // The picture as an image, painted afresh from its mask (what `at` holds).
    static QImage paint(int index);

private:
    std::array<QPixmap, kCount> m_pictures;
};
