#pragma once

#include <QColor>
#include <QLabel>

// A text label of the clock windows (lblDate, lblTime, lblPlace): thin single-line border,
// text in the title-bar text colour, and a background that is either transparent or opaque in
// the label's own colour. Setting the same text and look again touches nothing, so a clock's
// idle tick costs no repaint. Pointer moves are reported for the window's drag.
class DisplayLabel final : public QLabel {
    Q_OBJECT
public:
    DisplayLabel(const QString& objectName, QColor background, QWidget* parent);

    // Returns true when something changed (and the label will repaint).
    bool display(const QString& text, bool opaque);

    bool opaque() const { return m_opaque; }
    QColor background() const { return m_background; }

signals:
    void mouseMoved(Qt::MouseButtons buttons);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_background;
    bool m_opaque = false;
};
