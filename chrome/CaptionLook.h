#pragma once

class QWidget;

// The look the clock windows share: the background of an active window's title bar (Qt's
// nearest is the selection colour) and the small classic window font the label widths are
// made for, which falls back to an installed face of the same size.
namespace CaptionLook {
void apply(QWidget& window);
}
