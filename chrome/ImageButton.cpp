#include "ImageButton.h"

#include "ButtonPictures.h"

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(const QString& objectName, const QString& toolTip, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setToolTip(toolTip);
    setMouseTracking(true); // hover looks follow the pointer without a button held
    setFixedSize(sizeHint());
}

QSize ImageButton::sizeHint() const
{
    return {ButtonPictures::kWidth, ButtonPictures::kHeight};
}

void ImageButton::setPicture(const QPixmap& picture, int index)
{
    // Same picture again: nothing to repaint.
    if (index == m_index && picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    m_index = index;
    update();
}

void ImageButton::setBordered(bool on)
{
    if (on == m_bordered)
        return;
    m_bordered = on;
    update();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
    if (m_bordered) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    setBordered(true);
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    setBordered(false);
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->buttons());
    event->accept();
}
