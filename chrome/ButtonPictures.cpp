#include "ButtonPictures.h"

#include <cstddef>
#include <string_view>

namespace {

using Mask = std::array<std::string_view, ButtonPictures::kHeight>;

// '#' edge, '.' face, 'X' glyph. One mask per pair of pictures.
constexpr Mask kTriangleLeftMask = {
    "########", "#......#", "#......#", "#......#", "#....X.#", "#...XX.#", "#..XXX.#", "#.XXXX.#",
    "#.XXXX.#", "#..XXX.#", "#...XX.#", "#....X.#", "#......#", "#......#", "#......#", "########",
};
constexpr Mask kCrossMask = {
    "########", "#......#", "#......#", "#......#", "#X....X#", "#XX..XX#", "#.XXXX.#", "#..XX..#",
    "#..XX..#", "#.XXXX.#", "#XX..XX#", "#X....X#", "#......#", "#......#", "#......#", "########",
};
constexpr Mask kTrianglesUpMask = {
    "########", "#......#", "#......#", "#..XX..#", "#.XXXX.#", "#XXXXXX#", "#......#", "#......#",
    "#..XX..#", "#.XXXX.#", "#XXXXXX#", "#......#", "#......#", "#......#", "#......#", "########",
};
constexpr Mask kTriangleRightMask = {
    "########", "#......#", "#......#", "#......#", "#.X....#", "#.XX...#", "#.XXX..#", "#.XXXX.#",
    "#.XXXX.#", "#.XXX..#", "#.XX...#", "#.X....#", "#......#", "#......#", "#......#", "########",
};
constexpr Mask kBarTriangleMask = {
    "########", "#......#", "#......#", "#XXXXXX#", "#XXXXXX#", "#......#", "#XXXXXX#", "#.XXXX.#",
    "#..XX..#", "#......#", "#......#", "#......#", "#......#", "#......#", "#......#", "########",
};

constexpr std::array<const Mask*, ButtonPictures::kCount / 2> kMasks = {
    &kTriangleLeftMask, &kCrossMask, &kTrianglesUpMask, &kTriangleRightMask, &kBarTriangleMask,
};

} // namespace

ButtonPictures::ButtonPictures()
{
    for (int i = 0; i < kCount; ++i)
        m_pictures[std::size_t(i)] = QPixmap::fromImage(paint(i));
}

const QPixmap& ButtonPictures::at(int index) const
{
    static const QPixmap none;
    if (index < 0 || index >= kCount)
        return none;
    return m_pictures[std::size_t(index)];
}

QImage ButtonPictures::paint(int index)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    if (index < 0 || index >= kCount) {
        image.fill(kFace);
        return image;
    }
    const Mask& mask = *kMasks[std::size_t(index / 2)];
    const QRgb glyph = index % 2 == 0 ? kGlyph : kGlyphHover;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const char c = mask[std::size_t(y)][std::size_t(x)];
            image.setPixel(x, y, c == '#' ? kEdge : c == 'X' ? glyph : kFace);
        }
    }
    return image;
}
