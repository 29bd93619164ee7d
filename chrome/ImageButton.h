#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture that acts as a button: 8 x 16 pixels (120 x 240 twips), the picture filling it. A
// press of any mouse button draws a single-line border, the release removes it, and a left
// release over the button is a click; the keyboard reaches it with Tab and clicks it with
// Space. Every pointer move over it is reported, so that the window can give it its hover look.
// Its tool tip is also its accessible name.
class ImageButton final : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(const QString& objectName, const QString& toolTip, QWidget* parent);

    void setPicture(const QPixmap& picture);

    QSize sizeHint() const override;

signals:
    void mouseMoved(Qt::MouseButtons buttons);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setPressed(bool on);

    QPixmap m_picture;
    bool m_pressed = false; // by any mouse button
};
