#include "SizingFrame.h"

namespace SizingFrame {

void request(QWidget*, Sizing) {}

std::optional<QPoint> clientOrigin(QWidget*)
{
    return std::nullopt;
}

std::optional<QPoint> frameOrigin(QWidget*)
{
    return std::nullopt;
}

} // namespace SizingFrame
