#include "ClockLook.h"

#include <QPalette>
#include <QWidget>

namespace ClockLook {

void apply(QWidget& window)
{
    QPalette p = window.palette();
    p.setColor(QPalette::Window, p.color(QPalette::Active, QPalette::Highlight));
    window.setPalette(p);
    window.setAutoFillBackground(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    window.setFont(font);
}

QFont labelFont()
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

} // namespace ClockLook
