#pragma once

#include "HandOver.h"

#include <QString>
#include <optional>

class ProgramStarter;
class QWidget;
class SettingsStore;

// Switching from a clock window to another program of the suite: "Start" = "1" (and "Kind"
// when given), start the program by its bare file name from this program's own folder, then
// close the window, whose close handler saves its position. When the hand-over cannot be
// saved nothing is started; when the program cannot be started "Start" is back at "0". Either
// way the window stays open and showStartFailure says why.
// Returns the failure, or nothing when the window was closed.
std::optional<StartFailure> switchProgram(QWidget* window, SettingsStore& store,
                                          ProgramStarter& starter, const SwitchTarget& target,
                                          const QString& folder = HandOver::ownDirectory());

// The short message of a display whose switch failed, naming the program and the folder it was
// looked for in: a dialog named "switchFailure" over `parent`, titled `title`. Not modal, so
// that the clock keeps ticking while it is up.
void showStartFailure(QWidget* parent, const QString& title, const StartFailure& failure);
