#include "CaptionWindow.h"
#include "Clock.h"
#include "GuiStartup.h"
#include "HandOver.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"
#include "platform/ForegroundWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::displayMayRun(store))
        return 0;
    if (const auto code = GuiStartup::refuseWithoutDisplay("zelcaption"))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    // The clock hides while there is no window to sit on; that is no reason to end.
    QApplication::setQuitOnLastWindowClosed(false);
    const SystemClock clock;
    ProcessStarter starter;
    const std::unique_ptr<ForegroundWindow> foreground = ForegroundWindow::create();
    CaptionWindow window(store, clock, starter, *foreground);
    QObject::connect(&window, &CaptionWindow::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
