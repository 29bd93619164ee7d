#pragma once

#include "PlatformChoice.h"

#include <QImage>
#include <QString>
#include <optional>

// What every program of the suite does before and right after creating its QApplication.
namespace GuiStartup {

// Chooses the window system the QApplication to come starts on (X where the program needs it
// and it can be had, Wayland where it is all there is, or what the user set). When no window
// can be shown at all, prints "<program>: <why>" on standard error and gives the exit code.
// Called before QApplication exists, because Qt aborts the process when its platform fails.
std::optional<int> choosePlatform(const char* program, PlatformNeed need);

// The suite's icon as the windows show it, the same picture as ":/chrome/zelclock.png".
QImage windowIcon();

// Fonts named by the suite that this system may lack fall back to installed ones of the same
// kind; the application icon is set for every window, and the desktop entry named after the
// program's file; the texts speak the system's language.
// The platform chosen for this program is no longer passed on to the programs it starts: each
// chooses its own.
void setUpApplication();

} // namespace GuiStartup
