#include "AboutWindow.h"
#include "GuiStartup.h"
#include "HandOver.h"
#include "LauncherSession.h"
#include "ProductIdentity.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>

int main(int argc, char** argv)
{
    // Before QApplication: without a display Qt would abort.
    if (const auto code = GuiStartup::choosePlatform("zelhome", PlatformNeed::Either))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();

    // Kind is read under "zelClock", "Start" written under "ZelClock": one store, names
    // without case.
    SettingsStore reader = SettingsStore::openUser(QStringLiteral("zelClock"));
    SettingsStore writer = SettingsStore::openUser(QStringLiteral("ZelClock"));
    ProcessStarter starter;
    LauncherSession session(reader, writer, starter, QDir::currentPath(), HandOver::ownDirectory());

    AboutWindow window(session, {ProductIdentity::versionText(), ProductIdentity::homePage()},
                       [](const QUrl& url) { QDesktopServices::openUrl(url); });
    window.show();
    return app.exec();
}
