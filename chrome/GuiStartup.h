#pragma once

#include <QImage>
#include <QString>
#include <optional>

// What every program of the suite does before and right after creating its QApplication.
namespace GuiStartup {

// Why no window can be shown (no display, or one that does not answer), or nothing when one can.
// Checked before QApplication exists, because Qt aborts the process when its platform fails.
std::optional<QString> displayProblem();

// Prints "<program>: <problem>" on standard error and gives the exit code, when there is a
// problem; nothing otherwise.
std::optional<int> refuseWithoutDisplay(const char* program);

// The suite's icon as the windows show it, the same picture as ":/chrome/zelclock.png".
QImage windowIcon();

// Fonts named by the suite that this system may lack fall back to installed ones of the same
// kind; the application icon is set for every window; the texts speak the system's language.
void setUpApplication();

} // namespace GuiStartup
