#pragma once

#include "HandOver.h"

#include <QString>
#include <optional>

class ProgramStarter;
class SettingsStore;

// What the launcher decides, apart from its window: the program directory and "Kind" taken at
// load, and the hand-over when the window's timer fires.
class LauncherSession {
public:
    // `reader` is the store opened under the name "zelClock", `writer` under "ZelClock"; both are
    // the same store, whose names ignore case. `currentDirectory` is the process's current
    // directory at start. `fallbackDirectory` is the launcher's own folder, tried when the
    // current directory lacks the display: a desktop menu may start us from the home folder.
    LauncherSession(SettingsStore& reader, SettingsStore& writer, ProgramStarter& starter,
                    const QString& currentDirectory, QString fallbackDirectory);

    // The current directory at load, ending in the separator.
    const QString& programDirectory() const { return m_programDirectory; }
    int kind() const { return m_kind; }
    // The display that Kind names, or nothing for a Kind outside 0 to 2.
    std::optional<Program> display() const;

    // "Start" = "1", then the display of Kind is started. Nothing is returned when it started or
    // when Kind names no display ("Start" stays "1" then). When the start fails, "Start" goes
    // back to "0", since no display will consume it, and the failure is returned to be shown.
    std::optional<StartFailure> handOver();

private:
    SettingsStore& m_writer;
    ProgramStarter& m_starter;
    QString m_programDirectory;
    QString m_fallbackDirectory;
    int m_kind;
};
