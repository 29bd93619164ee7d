#include "Clock.h"
#include "GuiStartup.h"
#include "HandOver.h"
#include "PanelWindow.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"
#include "platform/ForegroundWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::displayMayRun(store))
        return 0;
    if (const auto code = GuiStartup::refuseWithoutDisplay("zelpane"))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    const SystemClock clock;
    ProcessStarter starter;
    const std::unique_ptr<ForegroundWindow> foreground = ForegroundWindow::create();
    PanelWindow window(store, clock, starter, *foreground);
    QObject::connect(&window, &PanelWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
