#pragma once

#include "HandOver.h"

#include <QString>
#include <optional>
#include <vector>

class ProgramStarter;
class SettingsStore;

// The right-click menu of the title-bar and task-bar clocks: which programs they switch to,
// what "Kind" each switch leaves for the launcher, and what a choice does to the store.
enum class MenuItem { TitleBarClock, PanelClock, ListClock, Settings, End };

struct MenuEntry {
    MenuItem item;
    QString name; // objectName of the menu's action
    QString text; // the words of the clocks' matching buttons
};

// What a choice leads to: the display ends, or it stays and says why the switch failed.
struct MenuOutcome {
    bool end = false;
    std::optional<StartFailure> failure;
};

namespace DisplayMenu {

// Panel clock, list clock, settings, end.
std::vector<MenuEntry> captionEntries();
// The same, headed by the title-bar clock.
std::vector<MenuEntry> bandEntries();

// A switch writes "Kind" for the display it starts, so that the launcher later starts what
// the user last chose; the settings leave "Kind" alone. Nothing for "End".
std::optional<SwitchTarget> switchTarget(MenuItem item);

// The launcher beside the programs in `folder`, which the login entry starts.
QString launcherPath(const QString& folder);

// Runs a choice: the hand-over through "Start" (and "Kind"), or the end.
MenuOutcome choose(MenuItem item, SettingsStore& store, ProgramStarter& starter,
                   const QString& folder);

} // namespace DisplayMenu
