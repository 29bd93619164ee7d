#include "DisplayProbe.h"

namespace DisplayProbe {

// Windows and other desktops always have one; Qt reports its own failures there.
std::optional<QString> problem()
{
    return std::nullopt;
}

} // namespace DisplayProbe
