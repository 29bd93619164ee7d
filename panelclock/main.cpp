#include "DisplayProgram.h"
#include "PanelWindow.h"
#include "platform/ForegroundWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return runDisplayProgram(argc, argv, "zelpane", [](QApplication& app, const DisplayContext& c) {
        const std::unique_ptr<ForegroundWindow> foreground = ForegroundWindow::create();
        PanelWindow window(c.store, c.clock, c.starter, *foreground);
        QObject::connect(&window, &PanelWindow::ended, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        window.show();
        return app.exec();
    });
}
