#include "CaptionLook.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace CaptionLook {

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

} // namespace CaptionLook
