#include "TopMost.h"

namespace TopMost {

// Qt re-applies the stays-on-top flag when the window is shown again, which is all this
// window system needs.
void applyToShown(QWidget&) {}

} // namespace TopMost
