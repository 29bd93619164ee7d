#include "BandDisplay.h"
#include "DisplayProgram.h"
#include "HandOver.h"

#include <QApplication>
#include <QSystemTrayIcon>

int main(int argc, char** argv)
{
    return runDisplayProgram(argc, argv, "zelband", [](QApplication& app, const DisplayContext& c) {
        // The list window comes and goes; only the menu ends the clock.
        QApplication::setQuitOnLastWindowClosed(false);
        BandDisplay band(c.store, c.clock, c.starter,
                         BandClock::mode(QSystemTrayIcon::isSystemTrayAvailable()),
                         HandOver::ownDirectory(), &QSystemTrayIcon::isSystemTrayAvailable);
        QObject::connect(&band, &BandDisplay::ended, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        return app.exec();
    });
}
