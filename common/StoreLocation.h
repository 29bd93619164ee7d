#pragma once

#include "StoreBackend.h"

#include <QString>
#include <memory>

// Where a user's settings live: an INI file in the user's configuration folder, or the registry
// on Windows (the choice of backend is made when building).
namespace StoreLocation {

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config, where the system follows
// the XDG rules. A relative $XDG_CONFIG_HOME is ignored as those rules say, so that a program
// started in another folder (as by the login entry's Path=) reads the same store.
QString configHome();

// configHome()/<application>/<application>.conf. The application name is matched without regard
// to case, so "zelClock" finds the folder and file that "ZelClock" made.
QString userFile(const QString& application);

// The user's store of `application`.
std::unique_ptr<StoreBackend> userBackend(const QString& application);

} // namespace StoreLocation
