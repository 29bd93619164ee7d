#pragma once

#include "PlatformChoice.h"

// Looks at the desktop the program starts on and decides its window-system platform; one
// implementation per window system, chosen when building.
namespace DisplayProbe {
PlatformDecision decide(PlatformNeed need);
}
