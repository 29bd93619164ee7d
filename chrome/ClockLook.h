#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The look the clock windows share.
namespace ClockLook {

// The background of an active window's title bar (Qt's nearest is the selection colour) and
// the small classic window font the label widths are made for, which falls back to an
// installed face of the same size.
void apply(QWidget& window);

// The bold face of the time and place labels.
QFont labelFont();

// Behind a date that is another day than the computer's own.
inline QColor dateHighlight()
{
    return {128, 64, 0};
}

// The clock window's own thin border: dark on any title bar.
inline QColor border()
{
    return {64, 64, 64};
}

// Behind a time in the night hours.
inline QColor nightHighlight()
{
    return {0, 0, 64};
}

} // namespace ClockLook
