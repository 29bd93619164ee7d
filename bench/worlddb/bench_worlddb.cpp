// Load time of the world database: all 25 tables, as the settings window does at start, then
// one flag and the map, which are decoded only when shown.
#include "WorldDb.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianMs(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    constexpr int runs = 50;
    std::vector<double> tables;
    std::vector<double> flags;
    std::vector<double> maps;
    int sink = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const WorldDb db;
        tables.push_back(double(t.nsecsElapsed()) / 1e6);
        sink += db.rowCount(WorldTable::lstCityName);
        t.restart();
        sink += WorldDb::flag(3).width();
        flags.push_back(double(t.nsecsElapsed()) / 1e6);
        t.restart();
        sink += WorldDb::worldMap().width();
        maps.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("world database, median of %d runs (first run %.2f ms):\n", runs, tables.front());
    std::printf("  all 25 tables: %.3f ms\n", medianMs(tables));
    std::printf("  one flag:      %.3f ms\n", medianMs(flags));
    std::printf("  world map:     %.3f ms\n", medianMs(maps));
    return sink > 0 ? 0 : 1;
}
