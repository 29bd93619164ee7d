#include "AboutGradient.h"

#include "Twips.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace AboutGradient {

namespace {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 7.5 -> 8): std::lrint in the
// default rounding mode, which nothing in the suite changes.
int roundHalfEven(double value)
{
    return int(std::lrint(value));
}

} // namespace

QColor bandColour(int band)
{
    return QColor(roundHalfEven(band / 1.2), roundHalfEven(band / 1.7), roundHalfEven(band / 1.9));
}

int bandHeight(int clientHeightTwips)
{
    return roundHalfEven(clientHeightTwips / 256.0);
}

QImage paint(QSize clientPixels)
{
    QImage image(clientPixels, QImage::Format_RGB32);
    // The window's own colour, which the bands paint over.
    image.fill(QColor(255, 192, 192));
    const int widthTwips = clientPixels.width() * Twips::kPerPixel;
    const int d = bandHeight(clientPixels.height() * Twips::kPerPixel);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(1.0 / Twips::kPerPixel, 1.0 / Twips::kPerPixel);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i <= kLastBand; ++i) {
        // Cosmetic: the pen width is in pixels while the box is in twips.
        QPen pen(bandColour(i), d);
        pen.setCosmetic(true);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(0, i * d, widthTwips, d));
    }
    return image;
}

} // namespace AboutGradient
