#include "Clock.h"
#include "GuiStartup.h"
#include "HandOver.h"
#include "ProgramStarter.h"
#include "SettingsModel.h"
#include "SettingsStore.h"
#include "SettingsWindow.h"
#include "WorldDb.h"

#include <QApplication>

int main(int argc, char** argv)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::settingsMayRun(store)) {
        HandOver::sayStartedAlone(QStringLiteral("zelsetup"));
        return 0;
    }
    if (const auto code = GuiStartup::choosePlatform("zelsetup", PlatformNeed::Either))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();

    const QString startDir = HandOver::startDirectory();
    const WorldDb db;
    const SystemClock clock;
    ProcessStarter starter;
    SettingsModel model(db, store, clock);
    model.load();
    SettingsWindow window(model, starter, startDir, HandOver::ownDirectory());
    window.show();
    return app.exec();
}
