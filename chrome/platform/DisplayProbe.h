#pragma once

#include <QString>
#include <optional>

// Asks the window system whether a window can be shown at all; one implementation per window
// system, chosen when building.
namespace DisplayProbe {
std::optional<QString> problem();
}
