// Writes to a settings file for the store's concurrency tests:
//   storewriter <file> keys <prefix> <rounds>   writes <prefix>0..<prefix><rounds-1> = round number
//   storewriter <file> churn <key>              rewrites <key> with growing values until killed
//   storewriter <file> hold <key> <ms>          a slow writer: takes the store's lock, says
//                                               "locked", sets <key>=1 after <ms>, then unlocks
#include "IniFileBackend.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 && !(args.size() == 4 && args[2] == u"churn"))
        return 2;
    if (args[2] == u"hold") {
        QLockFile lock(args[1] + QStringLiteral(".lock"));
        if (!lock.tryLock(10000))
            return 3;
        QFile in(args[1]);
        IniDocument doc = IniDocument::parse(in.open(QIODevice::ReadOnly) ? in.readAll() : "");
        std::puts("locked");
        std::fflush(stdout);
        QThread::msleep(args[4].toULong());
        doc.setValue(u"Data", args[3], QStringLiteral("1"));
        QSaveFile out(args[1]);
        if (!out.open(QIODevice::WriteOnly) || out.write(doc.serialize()) < 0 || !out.commit())
            return 4;
        return 0;
    }
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
        // Until killed, whatever a write comes to: the test reads what is left.
        static_cast<void>(store.setRawText(SettingsStore::Section::Data, args[3],
                                           QString(20000 + i % 1000, QChar(u'a' + i % 26))));
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
