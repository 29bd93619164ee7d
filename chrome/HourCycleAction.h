#pragma once

class QAction;
class QMenu;
class SettingsStore;

// The checkable "12-hour clock" item of the clocks' menus, put before `before` (at the end
// when null): checked while "Clock12" is 1, looked at again whenever the menu opens; choosing
// it writes the other cycle for every display, and says so when the store cannot be written.
QAction* addHourCycleAction(QMenu& menu, SettingsStore& store, QAction* before = nullptr);
