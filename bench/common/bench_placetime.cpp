// Costs of what a clock does on its 100 ms tick: the "Change" poll of an unchanged store, a
// reload of six places, and the computation of seven rows (local time and six places), the
// places without and with their time zones, and the first load with zones, which reads the
// system's list of zone names.
// Prints the median of several runs, in microseconds per operation.
#include "Clock.h"
#include "IniFileBackend.h"
#include "PlaceReload.h"
#include "PlaceTable.h"
#include "PlaceTime.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMicros(int iterations, const std::function<void()>& op)
{
    std::vector<double> runs;
    for (int r = 0; r < 9; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < iterations; ++i)
            op();
        runs.push_back(double(t.nsecsElapsed()) / 1000.0 / iterations);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SettingsStore store(
        std::make_unique<IniFileBackend>(dir.filePath(QStringLiteral("ZelClock.conf"))));
    const char* names[] = {"東京", "New York ", "Kabul", "Kathmandu", "Adelaide", "Reykjavik"};
    const int hours[] = {9, -5, 5, 6, 9, 0};
    const int minutes[] = {0, 0, -30, -15, 30, 0};
    StoreBatch seed;
    seed.set(StoreKeys::PlcCount, 5).set(StoreKeys::CT, 5);
    for (int i = 0; i < 6; ++i) {
        seed.set(StoreKeys::WP, i, QString::fromUtf8(names[i]))
            .set(StoreKeys::WD, i, hours[i])
            .set(StoreKeys::WDM, i, minutes[i])
            .set(StoreKeys::No, i, 17 + i);
    }
    seed.set(StoreKeys::Kind, 1).set(StoreKeys::Start, 0).set(StoreKeys::Change, 0);
    if (!store.write(seed))
        return 1;

    const SystemClock clock;
    int sink = 0;
    PlaceReload reloadCheck(store, clock);
    const double poll = medianMicros(20000, [&] { sink += reloadCheck.due() ? 1 : 0; });

    PlaceTable table;
    const double reload = medianMicros(2000, [&] { table.load(store); });

    const QLocale locale = QLocale::system();
    const auto tickOf = [&](const PlaceTable& places) {
        return medianMicros(5000, [&] {
            const ClockReading now = PlaceTime::snapshot(clock);
            sink += int(PlaceTime::localRow(now, locale).time.size());
            for (int i = 0; i <= places.plcCount; ++i)
                sink += int(
                    PlaceTime::placeRow(places.places[std::size_t(i)], now, locale).date.size());
        });
    };
    const double tick = tickOf(table);

    // The same six places with their time zones: the offsets come from the zones, each kept
    // until its next transition.
    const char* zones[] = {"Asia/Tokyo",     "America/New_York",   "Asia/Kabul",
                           "Asia/Kathmandu", "Australia/Adelaide", "Atlantic/Reykjavik"};
    StoreBatch zoneBatch;
    for (int i = 0; i < 6; ++i)
        zoneBatch.set(StoreKeys::TZ, i, QString::fromLatin1(zones[i]));
    if (!store.write(zoneBatch))
        return 1;
    // The first load with zones also reads the system's list of zone names, once per process.
    PlaceTable zoned;
    QElapsedTimer firstLoad;
    firstLoad.start();
    zoned.load(store);
    const double firstZoned = double(firstLoad.nsecsElapsed()) / 1000.0;
    const double reloadZoned = medianMicros(2000, [&] { zoned.load(store); });
    const double tickZoned = tickOf(zoned);

    std::printf("change poll, unchanged store : %8.2f us\n", poll);
    std::printf("reload of six places         : %8.2f us\n", reload);
    std::printf("tick computation, seven rows : %8.2f us\n", tick);
    std::printf("first load of six zoned ones : %8.2f us  (zone names read)\n", firstZoned);
    std::printf("reload of six zoned places   : %8.2f us\n", reloadZoned);
    std::printf("tick, seven rows with zones  : %8.2f us  (%.2f x)\n", tickZoned, tickZoned / tick);
    return sink == -1 ? 1 : 0;
}
