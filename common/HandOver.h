#pragma once

#include "Program.h"
#include "SettingsStore.h"

#include <QString>
#include <optional>

class ProgramStarter;

// Where a switch hands over to: the program, and the clock whose number it writes as "Kind"
// after "Start" when it writes one.
struct SwitchTarget {
    Program program;
    std::optional<Program> kind;
    bool operator==(const SwitchTarget&) const = default;
};

// Why a program could not be started, in words for the user.
struct StartFailure {
    QString program; // file name; empty when there was no program to start
    QString folder;  // where it was looked for
    QString reason;
    // Set when the hand-over could not be stored: the program was then not started at all,
    // since it would have found nothing handed to it.
    std::optional<StoreError> unsaved = std::nullopt;

    QString message() const;
};

namespace HandOver {

// "zelpane" here, "zelpane.exe" on Windows.
QString fileName(Program program);

// The display that "Kind" names for the launcher: clockOfKind, except that it never starts
// the task-bar clock.
std::optional<Program> launcherDisplay(int kind);

// Start-up check of the settings program: it runs only when "Start" is not 0 (missing is 0),
// and leaves the value as it is.
bool settingsMayRun(SettingsStore& store);
// Start-up check of the displays: when "Start" is not 0 they consume it (write "0") and run.
// The read and the write are one step under the store's lock, so that of several displays
// started at once exactly one runs; none runs when "Start" cannot be cleared.
bool displayMayRun(SettingsStore& store);
// Says on standard error, in one line, why a program that nobody handed over to ends at once,
// so that a person who typed its name learns what to start instead.
void sayStartedAlone(const QString& program);

QString withTrailingSeparator(const QString& dir);
// The current directory at start, with a trailing separator.
QString startDirectory();
// The folder of the running program, with a trailing separator.
QString ownDirectory();

// Starts the program from the first folder that has it. An empty result means it started.
std::optional<StartFailure> start(ProgramStarter& starter, Program program, const QString& folder,
                                  const QString& fallbackFolder = {});

// Passes control to another program: the keys of `first`, then "Start" = "1" and "Kind" when
// given, all in one write of the store, then the start. When the write fails nothing is started
// and the failure says why; when the start fails nobody will consume "Start", so it goes back to
// "0". Either failure is returned for the caller to show; the caller then stays open.
std::optional<StartFailure> handOver(SettingsStore& store, ProgramStarter& starter, Program program,
                                     const QString& folder,
                                     std::optional<Program> kind = std::nullopt,
                                     const QString& fallbackFolder = {}, StoreBatch first = {});

} // namespace HandOver
