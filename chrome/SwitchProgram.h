#pragma once

#include "HandOver.h"

#include <QString>
#include <optional>

class ProgramStarter;
class QWidget;
class SettingsStore;

// Switching from a clock window to another program of the suite: "Start" = "1" (and "Kind"
// when given), start the program by its bare file name from this program's own folder, then
// close the window, whose close handler saves its position. When the program cannot be
// started the window stays open, "Start" is back at "0", and a short message names the
// program and the folder it was looked for in (a dialog named "switchFailure").
// Returns the failure, or nothing when the window was closed.
std::optional<StartFailure> SwitchProgram(QWidget* window, SettingsStore& store,
                                          ProgramStarter& starter, const SwitchTarget& target,
                                          const QString& folder = HandOver::ownDirectory());
