#include "IniFileBackend.h"
#include "StoreWatcher.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The watcher against real files: the store is replaced by rename on every write, so each
// case writes more than once to prove the watch survives the replacement.
class TestStoreWatcher : public QObject {
    Q_OBJECT

    static bool appendLine(const QString& path, const QByteArray& line)
    {
        QFile f(path);
        return f.open(QIODevice::Append) && f.write(line) == line.size();
    }

private slots:
    void followsRenamesOfAnExistingStore()
    {
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("ZelClock.conf"));
        IniFileBackend writer(path);
        QVERIFY(writer.write(u"Data", u"Change", QStringLiteral("0")));

        StoreWatcher watcher(path);
        QVERIFY(watcher.isWatching());
        QSignalSpy spy(&watcher, &StoreWatcher::changed);
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(writer.write(u"Data", u"Change", QString::number(i % 2)));
            QTRY_COMPARE_WITH_TIMEOUT(spy.size(), i, 10000);
        }

        // An edit in place, not by rename, is seen too.
        QVERIFY(appendLine(path, "X=1\n"));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 4, 10000);

        // Other files in the folder (the lock, a temporary file) are not the store.
        QVERIFY(appendLine(tmp.filePath(QStringLiteral("ZelClock.conf.lock")), "1\n"));
        QVERIFY(appendLine(tmp.filePath(QStringLiteral("other.txt")), "1\n"));
        QTest::qWait(300);
        QCOMPARE(spy.size(), 4);

        // Removed and written anew.
        QVERIFY(QFile::remove(path));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 5, 10000);
        QVERIFY(IniFileBackend(path).write(u"Data", u"Change", QStringLiteral("1")));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 6, 10000);
    }

    void seesTheFolderAndFileAppearLater()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("config/ZelClock"));
        const QString path = folder + QStringLiteral("/ZelClock.conf");
        StoreWatcher watcher(path);
        QVERIFY(watcher.isWatching());
        QSignalSpy spy(&watcher, &StoreWatcher::changed);

        QVERIFY(QDir().mkpath(folder));
        QTest::qWait(200);
        QCOMPARE(spy.size(), 0); // a folder without the store in it changes nothing

        IniFileBackend writer(path);
        QVERIFY(writer.write(u"Settings", u"Start", QStringLiteral("1")));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 10000);
        QVERIFY(writer.write(u"Settings", u"Start", QStringLiteral("0")));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 10000);

        // The folder goes away and comes back with a store in it.
        QVERIFY(QDir(tmp.filePath(QStringLiteral("config"))).removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 3, 10000);
        QVERIFY(IniFileBackend(path).write(u"Settings", u"Start", QStringLiteral("1")));
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 4, 10000);
    }

    void followsAFolderReplacedByANewOne()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("ZelClock"));
        const QString path = folder + QStringLiteral("/ZelClock.conf");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(IniFileBackend(path).write(u"Data", u"Change", QStringLiteral("0")));
        StoreWatcher watcher(path);
        QSignalSpy spy(&watcher, &StoreWatcher::changed);

        // Twice, since each replacement has to re-arm the watch for the next one.
        for (int round = 1; round <= 2; ++round) {
            const QString old = folder + QStringLiteral(".old%1").arg(round);
            QVERIFY(QDir().rename(folder, old) && QDir().mkdir(folder));
            QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2 * round - 1, 10000); // the store is gone
            QVERIFY(IniFileBackend(path).write(u"Data", u"Change", QString::number(round)));
            QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2 * round, 10000);
        }
    }
};

QTEST_GUILESS_MAIN(TestStoreWatcher)
#include "tst_storewatcher.moc"
