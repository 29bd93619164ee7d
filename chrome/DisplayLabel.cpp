#include "DisplayLabel.h"

#include "ElidedText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A display label as assistive tools see it: a label named by its text, selectable, and
// selected while marked.
class DisplayLabelAccessible final : public QAccessibleWidget {
public:
    explicit DisplayLabelAccessible(DisplayLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        QString out = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && out.isEmpty())
            out = label()->text();
        return out;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = label()->marked();
        return s;
    }

private:
    DisplayLabel* label() const { return static_cast<DisplayLabel*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("DisplayLabel") && object && object->isWidgetType())
        return new DisplayLabelAccessible(static_cast<DisplayLabel*>(object));
    return nullptr;
}

} // namespace

DisplayLabel::DisplayLabel(const QString& objectName, QColor background, QWidget* parent)
    : QLabel(parent), m_background(background)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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

// The indent a framed label takes by default before its text.
int textIndent(const QLabel& label, const QFont& font)
{
    if (label.indent() >= 0)
        return label.indent();
    return label.frameWidth() > 0 ? QFontMetrics(font).horizontalAdvance(u'x') / 2 : 0;
}

// The room QLabel leaves for text: inside the border, less the margins and the indent.
int textRoom(const QLabel& label, const QFont& font)
{
    return label.contentsRect().width() - 2 * label.margin() - textIndent(label, font);
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
constexpr int kMarkLine = 1;

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

void DisplayLabel::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void DisplayLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_marked)
        return;
    // Drawn on the last line inside the border: a font's own underline falls below a label
    // only one line high, under the border.
    const QRect inside = contentsRect();
    const int left = inside.left() + margin() + textIndent(*this, font());
    const int width = std::min(textWidth(text(), font()), inside.right() - left + 1);
    QPainter painter(this);
    painter.fillRect(left, inside.bottom() - kMarkLine + 1, width, kMarkLine,
                     palette().color(QPalette::WindowText));
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
