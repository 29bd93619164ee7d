#include "DisplayLabel.h"

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
    if (text != QLabel::text()) {
        setText(text);
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
