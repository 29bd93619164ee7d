#include "DisplayProgram.h"
#include "ListWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return runDisplayProgram(argc, argv, "zelroll", [](QApplication& app, const DisplayContext& c) {
        ListWindow window(c.store, c.clock, c.starter);
        QObject::connect(&window, &ListWindow::ended, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        window.show();
        return app.exec();
    });
}
