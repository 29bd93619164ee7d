#include "TrayPicture.h"

#include "ClockLook.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace TrayPicture {

QPixmap paint(const TrayFace& face, int side)
{
    const QPalette palette = QGuiApplication::palette();
    const QColor background =
        face.night ? ClockLook::nightHighlight() : palette.color(QPalette::Highlight);
    const QColor text = face.night ? QColor(Qt::white) : palette.color(QPalette::HighlightedText);

    QPixmap picture(side, side);
    picture.fill(background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Two lines of two digits each fill the square: the font is sized to the half height, then
    // narrowed until "00" fits the width.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, side / 2));
    while (font.pixelSize() > 6 &&
           QFontMetrics(font).horizontalAdvance(QStringLiteral("00")) > side)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(text);
    const int half = side / 2;
    painter.drawText(QRect(0, 0, side, half), Qt::AlignCenter, face.hours);
    painter.drawText(QRect(0, half, side, side - half), Qt::AlignCenter, face.minutes);
    return picture;
}

} // namespace TrayPicture
