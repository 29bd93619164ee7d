#include "BandWindow.h"
#include "DisplayProgram.h"
#include "HandOver.h"

#include <QApplication>
#include <QSystemTrayIcon>

int main(int argc, char** argv)
{
    return runDisplayProgram(argc, argv, "zelband", [](QApplication& app, const DisplayContext& c) {
        // The list window comes and goes; only the menu ends the clock.
        QApplication::setQuitOnLastWindowClosed(false);
        BandWindow band(c.store, c.clock, c.starter,
                        BandClock::mode(QSystemTrayIcon::isSystemTrayAvailable()),
                        HandOver::ownDirectory(), &QSystemTrayIcon::isSystemTrayAvailable);
        QObject::connect(&band, &BandWindow::ended, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        return app.exec();
    });
}
