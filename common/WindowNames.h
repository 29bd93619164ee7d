#pragma once

#include <QString>

// What another program's window is known by on the desktop: the title its title bar shows and
// its class (on X, WM_CLASS's instance and class names, a blank between).
struct WindowNames {
    QString title;
    QString windowClass;
    bool operator==(const WindowNames&) const = default;
};
