#include "GuiStartup.h"
#include "HandOver.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    SettingsStore store = SettingsStore::openUser();
    if (!HandOver::displayMayRun(store))
        return 0;
    if (const auto code = GuiStartup::refuseWithoutDisplay("zelroll"))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    QWidget window;
    window.setObjectName(QStringLiteral("fMainList"));
    window.setWindowTitle(QStringLiteral("zelroll"));
    window.show();
    return app.exec();
}
