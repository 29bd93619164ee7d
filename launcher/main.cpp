#include "HandOver.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SettingsStore store = SettingsStore::openUser(QStringLiteral("zelClock"));
    const auto display = HandOver::launcherDisplay(store.kind(1));
    store.setStart(1);
    if (!display)
        return 0;
    ProcessStarter starter;
    if (const auto failure = HandOver::start(starter, *display, HandOver::startDirectory(),
                                             HandOver::ownDirectory())) {
        store.setStart(0);
        std::fprintf(stderr, "zelhome: %s\n", failure->message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
