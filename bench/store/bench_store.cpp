// The settings store against large files: for 1k, 100k and 1M keys, the parse of the text, a
// fresh store's full read of the places (file read, parse and every place key), and one write
// of "Start" (what every clock start does); then the "Change" poll of a small, unchanged store.
// Prints the median of several runs.
#include "IniDocument.h"
#include "IniFileBackend.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& op)
{
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        op();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A store as the settings program leaves it, with `count` keys of other names after the places.
QByteArray storeText(int count)
{
    QByteArray text = "[Settings]\nJE=1\nSelectPattern=1\nKind=1\nStart=1\n\n[Data]\nPlcCount=5\n";
    for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
        const QByteArray d = QByteArray::number(n);
        text += "No" + d + "=4" + d + "\nSA" + d + "=0\nWP" + d + "=Place " + d + "\nWD" + d +
                "=9\nWDM" + d + "=0\n";
    }
    text += "CT=1\nChange=0\n";
    for (int i = 0; i < count; ++i)
        text += "Extra" + QByteArray::number(i) + '=' + QByteArray::number(i) + '\n';
    return text;
}

int readPlaces(SettingsStore& store)
{
    const int last = store.get(StoreKeys::PlcCount, StoreReader::Clocks);
    int sum = 0;
    for (int n = 0; n <= last; ++n) {
        sum += int(store.get(StoreKeys::WP, n, StoreReader::Clocks).size());
        sum += store.get(StoreKeys::WD, n, StoreReader::Clocks);
        sum += store.get(StoreKeys::WDM, n, StoreReader::Clocks);
    }
    return sum;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZelClock.conf"));
    volatile int sink = 0;

    std::printf("%10s %12s %16s %14s\n", "keys", "parse ms", "read places ms", "write ms");
    for (const int count : {1000, 100000, 1000000}) {
        const QByteArray text = storeText(count);
        const int runs = count >= 1000000 ? 3 : 7;
        const double parse = medianMs(runs, [&] {
            sink = sink + int(IniDocument::parse(text).value(u"Data", u"Change")->size());
        });
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
            return 1;
        f.close();
        const double read = medianMs(runs, [&] {
            SettingsStore store(std::make_unique<IniFileBackend>(path));
            sink = sink + readPlaces(store);
        });
        int value = 0;
        const double write = medianMs(runs, [&] {
            SettingsStore store(std::make_unique<IniFileBackend>(path));
            sink = sink + (store.set(StoreKeys::Start, value++ % 2) ? 0 : 1);
        });
        std::printf("%10d %12.1f %16.1f %14.1f\n", count, parse, read, write);
    }

    const QString small = dir.filePath(QStringLiteral("small.conf"));
    QFile f(small);
    if (!f.open(QIODevice::WriteOnly) || f.write(storeText(0)) < 0)
        return 1;
    f.close();
    SettingsStore store(std::make_unique<IniFileBackend>(small));
    constexpr int kPolls = 100000;
    const double poll = medianMs(9, [&] {
        for (int i = 0; i < kPolls; ++i)
            sink = sink + store.get(StoreKeys::Change, StoreReader::Clocks);
    });
    std::printf("\"Change\" poll of a small unchanged store: %.2f us\n", poll * 1000.0 / kPolls);
    return 0;
}
