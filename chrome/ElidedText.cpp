#include "ElidedText.h"

#include "Twips.h"

#include <QFontMetrics>
#include <QStringList>
#include <QToolTip>

namespace ElidedText {

QString toWidth(const QString& text, const QFont& font, int width)
{
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(0, width));
}

QString forToolTip(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = toWidth(line, QToolTip::font(), Twips::toPixels(kToolTipRoomTwips));
    return lines.join(u'\n');
}

} // namespace ElidedText
