#pragma once

#include <QString>

// Starting the suite when the user logs in: an entry the desktop's session reads at login that
// starts the launcher. One implementation per system, chosen when building; where there is none,
// nothing is offered. The state is the entry's own, never a copy in the store, so that removing
// it by other means is seen too.
namespace LoginStart {

// Whether this system can start programs at login at all.
bool available();
// Whether the entry is there and not turned off (by "Hidden=true", say).
bool isOn();
// Writes the entry that starts `launcher` (a whole path), or turns it off; empty when done,
// else why not, in words for the user. Only entries the suite wrote are ever removed.
QString set(bool on, const QString& launcher);
// Where the entry lives, for saying so.
QString entryPath();

} // namespace LoginStart
