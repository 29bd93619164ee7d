#include "CaptionWindow.h"
#include "DisplayProgram.h"
#include "platform/ForegroundWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return runDisplayProgram(
        argc, argv, "zelcaption", [](QApplication& app, const DisplayContext& c) {
            // The clock hides while there is no window to sit on; that is no reason to end.
            QApplication::setQuitOnLastWindowClosed(false);
            const std::unique_ptr<ForegroundWindow> foreground = ForegroundWindow::create();
            CaptionWindow window(c.store, c.clock, c.starter, *foreground);
            QObject::connect(&window, &CaptionWindow::ended, &app, &QCoreApplication::quit,
                             Qt::QueuedConnection);
            return app.exec();
        });
}
