#include "BandDisplay.h"
#include "Clock.h"
#include "GuiStartup.h"
#include "HandOver.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QSystemTrayIcon>

int main(int argc, char** argv)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::displayMayRun(store))
        return 0;
    if (const auto code = GuiStartup::refuseWithoutDisplay("zelband"))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    // The list window comes and goes; only the menu ends the clock.
    QApplication::setQuitOnLastWindowClosed(false);
    const SystemClock clock;
    ProcessStarter starter;
    BandDisplay band(store, clock, starter,
                     BandClock::mode(QSystemTrayIcon::isSystemTrayAvailable()));
    QObject::connect(&band, &BandDisplay::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
