#include "Clock.h"
#include "GuiStartup.h"
#include "HandOver.h"
#include "ListWindow.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"

#include <QApplication>

int main(int argc, char** argv)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::displayMayRun(store))
        return 0;
    if (const auto code = GuiStartup::refuseWithoutDisplay("zelroll"))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    SystemClock clock;
    ProcessStarter starter;
    ListWindow window(store, clock, starter);
    QObject::connect(&window, &ListWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
