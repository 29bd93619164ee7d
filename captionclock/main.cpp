#include "CaptionWindow.h"
#include "DisplayProgram.h"
#include "HandOver.h"
#include "platform/ForegroundWindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    return runDisplayProgram(
        argc, argv, "zelcaption", [](QApplication& app, const DisplayContext& c) {
            const std::unique_ptr<ForegroundWindow> foreground = ForegroundWindow::create();
            if (!foreground->canFollow()) {
                // No title bar can be seen here, so there is none to sit in: the panel clock,
                // which can stand on its own, takes over.
                std::fputs("zelcaption: this desktop does not show other programs' windows "
                           "(Wayland without X); the panel clock shows the places instead\n",
                           stderr);
                const std::optional<StartFailure> failure =
                    HandOver::handOver(c.store, c.starter, Program::PanelClock,
                                       HandOver::ownDirectory(), Program::PanelClock);
                if (failure)
                    std::fprintf(stderr, "zelcaption: %s\n",
                                 failure->message().toLocal8Bit().constData());
                return failure ? 1 : 0;
            }
            // The clock hides while there is no window to sit on; that is no reason to end.
            QApplication::setQuitOnLastWindowClosed(false);
            CaptionWindow window(c.store, c.clock, c.starter, *foreground);
            QObject::connect(&window, &CaptionWindow::ended, &app, &QCoreApplication::quit,
                             Qt::QueuedConnection);
            return app.exec();
        });
}
