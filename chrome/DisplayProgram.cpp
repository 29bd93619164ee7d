#include "DisplayProgram.h"

#include "Clock.h"
#include "GuiStartup.h"
#include "HandOver.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"

#include <QApplication>

int runDisplayProgram(int argc, char** argv, const char* program,
                      const std::function<int(QApplication&, const DisplayContext&)>& run)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::displayMayRun(store)) {
        HandOver::sayStartedAlone(QString::fromLatin1(program));
        return 0;
    }
    // Before QApplication: without a display Qt would abort. The clocks place themselves and
    // follow other windows, which only X lets them do.
    if (const auto code = GuiStartup::choosePlatform(program, PlatformNeed::X11))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    const SystemClock clock;
    ProcessStarter starter;
    return run(app, DisplayContext{store, clock, starter});
}
