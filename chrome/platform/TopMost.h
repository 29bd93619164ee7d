#pragma once

class QWidget;

// Brings a window that is already shown above ordinary windows at once. Qt's stays-on-top flag
// takes effect when a window is shown; a window system that needs more for a shown window does
// it here, one implementation per window system, chosen when building.
namespace TopMost {
void applyToShown(QWidget& window);
}
