#include "SizingFrame.h"

namespace SizingFrame {

void request(QWidget*) {}

} // namespace SizingFrame
