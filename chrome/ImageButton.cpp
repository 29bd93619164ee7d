#include "ImageButton.h"

#include "ButtonPictures.h"

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(const QString& objectName, const QString& toolTip, QWidget* parent)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    setToolTip(toolTip);
    // Tab reaches it, a click does not take the focus from where the user typed.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true); // hover looks follow the pointer without a button held
    setFixedSize(sizeHint());
}

QSize ImageButton::sizeHint() const
{
    return {ButtonPictures::kWidth, ButtonPictures::kHeight};
}

void ImageButton::setPicture(const QPixmap& picture)
{
    // Same picture again: nothing to repaint.
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void ImageButton::setPressed(bool on)
{
    if (on == m_pressed)
        return;
    m_pressed = on;
    update();
}

bool ImageButton::event(QEvent* event)
{
    // The picture has no text: screen readers name the button by what its tool tip says.
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip());
    return QAbstractButton::event(event);
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
    if (m_pressed || isDown()) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    setPressed(true);
    QAbstractButton::mousePressEvent(event);
    event->accept(); // other buttons too: a press on a button is not one on the window
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    setPressed(false);
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->buttons());
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}
