#include "SizingFrame.h"

namespace SizingFrame {

void request(QWidget*) {}

std::optional<QPoint> clientOrigin(QWidget*)
{
    return std::nullopt;
}

} // namespace SizingFrame
