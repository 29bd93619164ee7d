#include "TopMost.h"

#include <QWidget>

namespace TopMost {

// Qt re-applies the stays-on-top flag when the window is shown again, which is all this
// window system needs.
void keepOnTop(QWidget& window)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

} // namespace TopMost
