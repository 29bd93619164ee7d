#pragma once

#include <QString>

class QAction;
class QMenu;

// The checkable "Start at login" item of the clocks' menus, put before `before`: checked while
// the desktop's login entry for the launcher `launcher` (a whole path) is there, looked at
// again whenever the menu opens; choosing it writes or removes that entry, and says so when it
// cannot. Nothing is added, and null returned, where the system has no such entry.
QAction* addLoginStartAction(QMenu& menu, QAction* before, const QString& launcher);
