#pragma once

#include "HandOver.h"

#include <QString>
#include <functional>

class ProgramStarter;
class QMenu;
class QWidget;
class SettingsStore;

// Switching from a display to another program of the suite, the one way for the clocks'
// buttons and the title-bar and task-bar clocks' menus alike: "Start" = "1" (and "Kind" when
// the target writes one) in one write of the store, then the program started from `folder`,
// under the busy cursor, since the write may wait for another program's lock. When the
// hand-over cannot be saved nothing is started; when the program cannot be started "Start" is
// back at "0". Either way the display stays, and a message box named "switchFailure" over
// `window`, titled `title`, says why; not modal, so that the clock keeps ticking.
class DisplaySwitch {
public:
    DisplaySwitch(SettingsStore& store, ProgramStarter& starter, QString folder, QWidget& window,
                  QString title);

    // True when the other program started and the display is to end.
    [[nodiscard]] bool switchTo(const SwitchTarget& target) const;

    // The right-click menu of the clock `self`: every other clock, the settings, the 12-hour
    // clock, "Start at login" and "End". A clock chosen writes its own "Kind", so that the launcher
    // next starts what the user chose last; the task-bar clock, which the launcher never starts,
    // and the settings leave "Kind" alone. "End", and a switch that started, call `end`.
    void fillMenu(QMenu& menu, Program self, const std::function<void()>& end) const;

private:
    SettingsStore& m_store;
    ProgramStarter& m_starter;
    QString m_folder;
    QWidget& m_window;
    QString m_title;
};
