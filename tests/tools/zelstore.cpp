// Reads and writes the suite's settings store from the shell, through the same store code as
// the programs:  zelstore get <Settings|Data> <key>   prints the value, exit 1 when missing
//                zelstore set <Settings|Data> <key> <value>   says why on a failure
//                zelstore path                          prints the store file
#include "SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    SettingsStore store = SettingsStore::openUser();
    if (args.size() == 1 && args[0] == u"path") {
        std::printf("%s\n", store.filePath().toLocal8Bit().constData());
        return 0;
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: zelstore get|set Settings|Data key [value]\n");
        return 2;
    }
    const auto section = args[1].compare(u"Data", Qt::CaseInsensitive) == 0
                             ? SettingsStore::Section::Data
                             : SettingsStore::Section::Settings;
    if (args[0] == u"get") {
        const QString missing = QStringLiteral("\x01missing");
        const QString v = store.rawText(section, args[2]).value_or(missing);
        if (v == missing)
            return 1;
        std::printf("%s\n", v.toUtf8().constData());
        return 0;
    }
    if (args[0] == u"set" && args.size() == 4) {
        const WriteResult written = store.setRawText(section, args[2], args[3]);
        if (!written)
            std::fprintf(stderr, "%s\n", written.error()->message().toLocal8Bit().constData());
        return written ? 0 : 1;
    }
    std::fprintf(stderr, "usage: zelstore get|set Settings|Data key [value]\n");
    return 2;
}
