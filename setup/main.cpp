#include "GuiStartup.h"
#include "HandOver.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::settingsMayRun(store))
        return 0;
    if (const auto code = GuiStartup::refuseWithoutDisplay("zelsetup"))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    QWidget window;
    window.setObjectName(QStringLiteral("fMainSet"));
    window.setWindowTitle(QStringLiteral("zelsetup"));
    window.show();
    return app.exec();
}
