#include "DisplayLabel.h"

#include "ElidedText.h"

#include <QMouseEvent>

DisplayLabel::DisplayLabel(const QString& objectName, QColor background, QWidget* parent)
    : QLabel(parent), m_background(background)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMouseTracking(true); // a move without a button still resets the button looks
    QPalette p = palette();
    // Qt has no caption colours of its own; the selection colours are the platform's nearest
    // pair (a title bar in a strong colour with light text).
    p.setColor(QPalette::WindowText, p.color(QPalette::Active, QPalette::HighlightedText));
    p.setColor(QPalette::Window, m_background);
    setPalette(p);
    setAutoFillBackground(false);
}

bool DisplayLabel::display(const QString& text, bool opaque)
{
    bool changed = false;
    if (text != m_fullText) {
        m_fullText = text;
        showFullText();
        fitText();
        changed = true;
    }
    if (opaque != m_opaque) {
        m_opaque = opaque;
        setAutoFillBackground(opaque);
        update();
        changed = true;
    }
    return changed;
}

namespace {

// The room QLabel leaves for text: inside the border, less the margins and the indent a framed
// label takes by default.
int textRoom(const QLabel& label, const QFont& font)
{
    int indent = label.indent();
    if (indent < 0)
        indent = label.frameWidth() > 0 ? QFontMetrics(font).horizontalAdvance(u'x') / 2 : 0;
    return label.contentsRect().width() - 2 * label.margin() - indent;
}

int textWidth(const QString& text, const QFont& font)
{
    // The trailing blank of the clock texts is no ink.
    QString ink = text;
    while (ink.endsWith(u' '))
        ink.chop(1);
    return QFontMetrics(font).horizontalAdvance(ink);
}

constexpr double kSmallestPoints = 6.0;

} // namespace

void DisplayLabel::elideToFit()
{
    m_elision = Elision::ToLabel;
    showFullText();
}

void DisplayLabel::elideBeyond(int widest)
{
    m_elision = Elision::ToWidth;
    m_widest = widest;
    showFullText();
}

void DisplayLabel::showFullText()
{
    if (m_elision == Elision::None) {
        setText(m_fullText);
        return;
    }
    const int room = m_elision == Elision::ToLabel ? textRoom(*this, font()) : m_widest;
    const QString shown = ElidedText::toWidth(m_fullText, font(), room);
    if (shown != text())
        setText(shown);
    if (m_elision == Elision::ToLabel)
        setToolTip(shown == m_fullText ? QString() : ElidedText::forToolTip(m_fullText));
}

void DisplayLabel::shrinkToFit()
{
    m_fullFont = font();
    fitText();
}

bool DisplayLabel::textFits() const
{
    return textWidth(text(), font()) <= textRoom(*this, font());
}

void DisplayLabel::fitText()
{
    if (!m_fullFont)
        return;
    QFont f = *m_fullFont;
    const double full = f.pointSizeF() > 0 ? f.pointSizeF() : QFontInfo(f).pointSizeF();
    for (double points = full;
         points > kSmallestPoints && textWidth(text(), f) > textRoom(*this, f);) {
        points -= 0.25;
        f.setPointSizeF(points);
    }
    if (f != font())
        setFont(f);
}

void DisplayLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (m_elision == Elision::ToLabel)
        showFullText();
}

void DisplayLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_elision != Elision::None)
        showFullText();
}

void DisplayLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->buttons());
    event->accept();
}

void DisplayLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken here, so that the press is not also a press on the window's background.
    event->accept();
}
