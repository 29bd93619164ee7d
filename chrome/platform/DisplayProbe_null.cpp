#include "DisplayProbe.h"

namespace DisplayProbe {

// Windows and other desktops have one platform, always there; Qt reports its own failures.
PlatformDecision decide(PlatformNeed)
{
    return {};
}

} // namespace DisplayProbe
