#pragma once

#include "ListClock.h"

#include <QRect>
#include <QWidget>

// One row's 24-hour strip: 24 cells that overlap by their border, each a bordered box in its
// colours with the hour at the left and the moment it stands for as its tool tip. Presses on
// the strip are not presses on the window's background, so they do not move the window.
class StripWidget final : public QWidget {
    Q_OBJECT
public:
    StripWidget(const QString& objectName, QWidget* parent);

    void setRow(const StripRow& row);
    const StripRow& row() const { return m_row; }

    // A cell's box in the widget; a later cell lies over the border of the one before.
    static QRect cellRect(int column);
    // The cell shown at a point of the widget, or -1 outside every cell.
    static int columnAt(QPoint at);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    StripRow m_row{};
};
