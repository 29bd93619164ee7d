#pragma once

#include <functional>

class Clock;
class ProgramStarter;
class QApplication;
class SettingsStore;

// What a clock program makes its display from.
struct DisplayContext {
    SettingsStore& store;
    const Clock& clock;
    ProgramStarter& starter;
};

// The life of a clock program, the same for every display: it ends at once, with one line on
// standard error naming the launcher, when its start was not asked for in the store, and with one
// line when there is no display; otherwise it sets up the application, on X wherever X can be
// had, and gives it to `run`, which makes the display and runs the event loop.
int runDisplayProgram(int argc, char** argv, const char* program,
                      const std::function<int(QApplication&, const DisplayContext&)>& run);
