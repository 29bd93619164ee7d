#pragma once

#include <QCursor>
#include <QGuiApplication>

// The wait cursor over every window of the program while alive, for work that holds up the
// event loop: a save that waits for another program's lock on the store.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
