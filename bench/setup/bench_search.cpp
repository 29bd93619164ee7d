// The settings window's search: the time from a keystroke in the search field to the list of
// places found, typing names letter by letter on the offscreen platform with a store of its own;
// the first keystroke also gathers the system's zones and their cities from ICU. Then how many
// places the search finds by a name in English and by one in Japanese script.
#include "Clock.h"
#include "IniFileBackend.h"
#include "PlaceSearch.h"
#include "ProgramStarter.h"
#include "SettingsModel.h"
#include "SettingsStore.h"
#include "SettingsWindow.h"
#include "WorldDb.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

// Milliseconds from the key's arrival to the found list filled (done before the key returns).
double keystroke(QLineEdit* field, QChar c)
{
    QElapsedTimer t;
    t.start();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &key);
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    SettingsStore store{std::make_unique<IniFileBackend>(tmp.filePath("ZelClock.conf"))};
    const WorldDb db;
    const SystemClock clock;
    ProcessStarter starter;
    SettingsModel model(db, store, clock);
    model.load();
    SettingsWindow window(model, starter, tmp.path() + '/', QString());
    window.show();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    auto* found = window.findChild<QListWidget*>(QStringLiteral("lstFound"));

    const QStringList names{QStringLiteral("Auckland"),     QStringLiteral("Berlin"),
                            QStringLiteral("ニューヨーク"), QStringLiteral("ｼﾄﾞﾆｰ"),
                            QStringLiteral("しどにー"),     QStringLiteral("Phoenix"),
                            QStringLiteral("Kyiv"),         QStringLiteral("San")};
    const double first = keystroke(field, names.front().front());
    field->clear();
    constexpr int runs = 20;
    std::vector<double> times;
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        for (const QString& name : names) {
            for (const QChar c : name) {
                times.push_back(keystroke(field, c));
                listed += found->count();
            }
            field->clear();
        }
    }
    std::printf(
        "keystroke to the list of places found, %zu keystrokes (%d names typed %d times):\n",
        times.size(), int(names.size()), runs);
    std::printf("  median %.3f ms, 90th percentile %.3f ms, slowest %.3f ms\n",
                percentile(times, 0.5), percentile(times, 0.9), percentile(times, 1.0));
    std::printf("  first keystroke, zones and their cities gathered from ICU: %.1f ms\n", first);

    const std::vector<ZoneCity> zones = ZoneCities::all();
    const PlaceSearch search(db, zones);
    std::printf("places the search finds: %d by an English name, %d by a Japanese one "
                "(%d country entries, %d cities, %zu zones of the system)\n",
                search.englishCount(), search.japaneseCount(),
                db.rowCount(WorldTable::lstCountryName) - 1,
                db.rowCount(WorldTable::lstCityName) - 1, zones.size());
    return listed > 0 ? 0 : 1;
}
