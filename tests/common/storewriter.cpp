// Writes to a settings file for the store's concurrency tests:
//   storewriter <file> keys <prefix> <rounds>   writes <prefix>0..<prefix><rounds-1> = round number
//   storewriter <file> churn <key>              rewrites <key> with growing values until killed
#include "IniFileBackend.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 && !(args.size() == 4 && args[2] == u"churn"))
        return 2;
    SettingsStore store(std::make_unique<IniFileBackend>(args[1]));
    if (args[2] == u"keys") {
        const int rounds = args[4].toInt();
        for (int i = 0; i < rounds; ++i) {
            if (!store.setRawText(SettingsStore::Section::Data, args[3] + QString::number(i),
                                  QString::number(i)))
                return 1;
        }
        return 0;
    }
    // Big values make each write take long enough to be killed in the middle of it.
    for (int i = 0;; ++i) {
        store.setRawText(SettingsStore::Section::Data, args[3],
                         QString(20000 + i % 1000, QChar(u'a' + i % 26)));
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
