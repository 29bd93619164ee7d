#include "ElidedText.h"

#include "Twips.h"

#include <QFontMetrics>
#include <QToolTip>

namespace ElidedText {

QString toWidth(const QString& text, const QFont& font, int width)
{
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(0, width));
}

QString forToolTip(const QString& text)
{
    return toWidth(text, QToolTip::font(), Twips::toPixels(kToolTipRoomTwips));
}

} // namespace ElidedText
