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
    if (const auto code = GuiStartup::refuseWithoutDisplay("zelpane"))
        return *code;
    QApplication app(argc, argv);
    GuiStartup::setUpApplication();
    QWidget window;
    window.setObjectName(QStringLiteral("fMain2"));
    window.setWindowTitle(QStringLiteral("zelpane"));
    window.show();
    return app.exec();
}
