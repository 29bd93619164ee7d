#pragma once

#include <QLabel>

// A label that acts as a button: a click, or Space or Enter while it has the focus, activates
// it. Used for the style and interval choosers and the summer marks, so that everything can
// be done from the keyboard.
class ChooserLabel final : public QLabel {
    Q_OBJECT
public:
    ChooserLabel(const QString& objectName, QWidget* parent);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
