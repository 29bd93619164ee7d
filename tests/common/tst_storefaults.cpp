// The store on a file system that fails it: a full disk, a read-only folder, a lock held by a
// live process (which a clock's own bookkeeping never waits for) and a file that exists but
// cannot be read. Each write that fails must say so and leave the file exactly as it was. The
// full disk is a tmpfs of a few pages mounted for the test (root only); the unreadable file is
// tried as an unprivileged user, since root reads anything.
#include "FakeClock.h"
#include "FifoGuard.h"
#include "IniFileBackend.h"
#include "PlaceRotation.h"
#include "SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A tmpfs mounted on `folder` for the life of the object.
class SmallDisk {
public:
    SmallDisk(const QString& folder, qint64 bytes) : m_folder(QFile::encodeName(folder))
    {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return m_mounted; }
    bool makeReadOnly() const
    {
        return ::mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// Runs as an ordinary user while alive, so that permissions count even for root.
class Unprivileged {
public:
    static constexpr uid_t kNobody = 65534;
    Unprivileged() : m_switched(::geteuid() == 0 && ::seteuid(kNobody) == 0) {}
    ~Unprivileged()
    {
        if (m_switched) [[maybe_unused]]
            const int rc = ::seteuid(0);
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool m_switched;
};

StoreBatch placesBatch(const QString& name)
{
    StoreBatch b;
    for (int n = 0; n < StoreKeys::kSlotCount; ++n)
        b.set(StoreKeys::WP, n, name + QString::number(n));
    return b.set(StoreKeys::Change, 1);
}

} // namespace

class TestStoreFaults : public QObject {
    Q_OBJECT

    // A store in `folder` holding a first set of places; returns its bytes.
    QByteArray seed(const QString& folder)
    {
        m_path = folder + QStringLiteral("/ZelClock.conf");
        SettingsStore s(std::make_unique<IniFileBackend>(m_path));
        if (!s.write(placesBatch(QStringLiteral("Tokyo"))))
            return {};
        return readFile(m_path);
    }

    // What the store's folder holds besides the store: no new file, no lock.
    static QStringList strays(const QString& folder)
    {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("ZelClock.conf"));
        names.removeAll(QStringLiteral("filler"));
        return names;
    }

private slots:
    void fullDiskLeavesTheStoreAsItWas_data()
    {
        QTest::addColumn<int>("pagesFree");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no page: not even the lock") << 0 << false;
        QTest::newRow("one page: the lock but not the new file") << 1 << false;
        QTest::newRow("room for both") << 4 << true;
    }

    void fullDiskLeavesTheStoreAsItWas()
    {
        QFETCH(int, pagesFree);
        QFETCH(bool, saved);
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        const qint64 page = ::sysconf(_SC_PAGESIZE);
        QTemporaryDir tmp;
        const SmallDisk disk(tmp.path(), 16 * page);
        QVERIFY2(disk.mounted(), "tmpfs could not be mounted");
        const QByteArray before = seed(tmp.path());
        QVERIFY(!before.isEmpty());

        // Fill the disk, then give back the pages the row asks for.
        QFile filler(tmp.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(page, 'x');
        while (filler.write(chunk) == chunk.size()) {
        }
        QVERIFY(filler.resize(filler.size() / page * page - pagesFree * page));

        SettingsStore s(std::make_unique<IniFileBackend>(m_path));
        const WriteResult written = s.write(placesBatch(QStringLiteral("Oslo")));
        QCOMPARE(bool(written), saved);
        if (!saved)
            QVERIFY2(written.error()->message().contains(m_path),
                     qPrintable(written.error()->message()));
        QCOMPARE(readFile(m_path) == before, !saved);
        QCOMPARE(strays(tmp.path()), QStringList());
    }

    void readOnlyFolderIsNotWritten()
    {
        QTemporaryDir tmp;
        std::optional<SmallDisk> disk;
        if (::geteuid() == 0)
            disk.emplace(tmp.path(), 16 * ::sysconf(_SC_PAGESIZE));
        const QByteArray before = seed(tmp.path());
        QVERIFY(!before.isEmpty());
        if (disk)
            QVERIFY(disk->makeReadOnly());
        else
            QVERIFY(QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::ExeOwner));

        SettingsStore s(std::make_unique<IniFileBackend>(m_path));
        const WriteResult written = s.write(placesBatch(QStringLiteral("Oslo")));
        QVERIFY(!written);
        QCOMPARE(written.error()->file, m_path);
        QVERIFY(!written.error()->reason.isEmpty());
        QCOMPARE(s.get(StoreKeys::WP, 0, StoreReader::Clocks), QStringLiteral("Tokyo0"));
        QCOMPARE(readFile(m_path), before);
        if (!disk)
            QFile::setPermissions(tmp.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void unreadableStoreIsNeverWritten_data()
    {
        QTest::addColumn<QString>("inPlace"); // what takes the file's place; none: no permission
        QTest::newRow("no permission to read") << QString();
        QTest::newRow("a folder in its place") << QStringLiteral("folder");
        QTest::newRow("a FIFO in its place") << QStringLiteral("fifo");
        QTest::newRow("a link to an endless device") << QStringLiteral("/dev/zero");
    }

    void unreadableStoreIsNeverWritten()
    {
        QFETCH(QString, inPlace);
        QTemporaryDir tmp;
        // Open to everyone, so that the unprivileged user below may write there.
        const QString folder = tmp.filePath(QStringLiteral("ZelClock"));
        QVERIFY(QDir().mkdir(folder));
        const auto all = QFile::Permissions(0x7777);
        QVERIFY(QFile::setPermissions(tmp.path(), all) && QFile::setPermissions(folder, all));
        const QByteArray before = seed(folder);
        QVERIFY(!before.isEmpty());
        if (inPlace.isEmpty())
            QVERIFY(QFile::setPermissions(m_path, {}));
        else
            QVERIFY(QFile::remove(m_path));
        if (inPlace == u"folder")
            QVERIFY(QDir().mkdir(m_path));
        else if (inPlace == u"fifo") // writable by all, so that the guard below may open it
            QVERIFY(::mkfifo(QFile::encodeName(m_path).constData(), 0) == 0 &&
                    QFile::setPermissions(m_path, all));
        else if (!inPlace.isEmpty())
            QVERIFY(QFile::link(inPlace, m_path));
        const FifoGuard guard({m_path});

        {
            const Unprivileged user;
            QElapsedTimer waited;
            waited.start();
            SettingsStore s(std::make_unique<IniFileBackend>(m_path));
            QCOMPARE(s.get(StoreKeys::WP, 0, StoreReader::Clocks), QStringLiteral("Japan"));
            QCOMPARE(s.get(StoreKeys::PlcCount, StoreReader::Clocks), 1);
            QVERIFY(!s.set(StoreKeys::Kind, 2));
            const WriteResult written = s.write(placesBatch(QStringLiteral("Oslo")));
            QVERIFY(!written);
            QVERIFY2(written.error()->reason.contains(QStringLiteral("cannot be read")),
                     qPrintable(written.error()->reason));
            QVERIFY2(waited.elapsed() < 1000, qPrintable(QString::number(waited.elapsed())));
        }
        QCOMPARE(QFileInfo(m_path).isFile(), inPlace.isEmpty()); // never replaced by a file
        if (inPlace.isEmpty())
            QCOMPARE(readFile(m_path), before);
        QCOMPARE(strays(folder), QStringList());
    }

    // A lock file with no readable holder is taken once 3 s old, or as far ahead (a clock set
    // back); a folder or a FIFO in its place fails the save at once, saying so.
    void oddLockIsTakenOrNamed_data()
    {
        QTest::addColumn<QString>("lock");   // "folder", "fifo", or garbage an hour ahead
        QTest::addColumn<QString>("reason"); // empty when the save goes through
        QTest::newRow("garbage an hour ahead") << QString() << QString();
        QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("a folder");
        QTest::newRow("a FIFO") << QStringLiteral("fifo") << QStringLiteral("other than a file");
    }

    void oddLockIsTakenOrNamed()
    {
        QFETCH(QString, lock);
        QFETCH(QString, reason);
        QTemporaryDir tmp;
        const QByteArray before = seed(tmp.path());
        QFile garbage(m_path + QStringLiteral(".lock"));
        if (lock == u"folder")
            QVERIFY(QDir().mkdir(garbage.fileName()));
        else if (lock == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(garbage.fileName()).constData(), 0600), 0);
        else
            QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("\x01") &&
                    garbage.flush() &&
                    garbage.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                                        QFileDevice::FileModificationTime));
        const FifoGuard guard({garbage.fileName()});
        SettingsStore s(std::make_unique<IniFileBackend>(m_path));
        const WriteResult written = s.write(placesBatch(QStringLiteral("Oslo")));
        QCOMPARE(bool(written), reason.isEmpty());
        if (!written)
            QVERIFY2(written.error()->reason.contains(reason), qPrintable(written.error()->reason));
        QCOMPARE(readFile(m_path) == before, !reason.isEmpty());
    }

    void heldLockFailsOnceAfterTheWait_data()
    {
        QTest::addColumn<bool>("clock");
        QTest::newRow("a save waits, then fails") << false;
        QTest::newRow("a clock's reload waits for nothing") << true;
    }

    void heldLockFailsOnceAfterTheWait()
    {
        QFETCH(bool, clock);
        QTemporaryDir tmp;
        const QByteArray before = seed(tmp.path()); // "Change" is 1
        QProcess holder;
        holder.start(QStringLiteral(STOREWRITER), {m_path, QStringLiteral("hold"),
                                                   QStringLiteral("Held"), QStringLiteral("2000")});
        QVERIFY(holder.waitForReadyRead(20000));

        if (clock) {
            // A save would wait ten seconds; the clock's acknowledgement is tried again a second
            // later, and meanwhile the places are read once, not at every tick.
            SettingsStore s(std::make_unique<IniFileBackend>(m_path));
            FakeClock fake;
            PlaceRotation rotation(s, fake);
            QElapsedTimer took;
            took.start();
            rotation.start();
            const RowText row = rotation.onTick();
            rotation.onTick();
            QVERIFY2(took.elapsed() < 100, qPrintable(QString::number(took.elapsed())));
            QCOMPARE(row.place, QStringLiteral("Tokyo0"));
            QCOMPARE(rotation.loads(), 1);
            QCOMPARE(readFile(m_path), before);
            QVERIFY(holder.waitForFinished(20000));
            rotation.onTick();
            QCOMPARE(rotation.loads(), 1);
            QCOMPARE(rotation.nextDue(), std::optional(PlaceReload::kRetrySecs));
            fake.secs = PlaceReload::kRetrySecs;
            rotation.onTick();
            QCOMPARE(rotation.loads(), 2);
            QCOMPARE(s.get(StoreKeys::Change, StoreReader::Clocks), 0);
            return;
        }
        constexpr std::chrono::milliseconds kWait{300};
        SettingsStore s(std::make_unique<IniFileBackend>(m_path, kWait));
        QElapsedTimer waited;
        waited.start();
        // Many keys, one wait: the batch is one save.
        const WriteResult written = s.write(placesBatch(QStringLiteral("Oslo")));
        const qint64 ms = waited.elapsed();
        QVERIFY(!written);
        QVERIFY2(ms >= kWait.count() && ms < 10 * kWait.count(), qPrintable(QString::number(ms)));
        QVERIFY2(written.error()->reason.contains(QString::number(holder.processId())),
                 qPrintable(written.error()->reason));
        QCOMPARE(readFile(m_path), before);

        // Once the holder is done, the same save goes through.
        QVERIFY(holder.waitForFinished(20000));
        QVERIFY(s.write(placesBatch(QStringLiteral("Oslo"))));
        QCOMPARE(s.get(StoreKeys::WP, 1, StoreReader::Clocks), QStringLiteral("Oslo1"));
        QCOMPARE(s.rawText(StoreSection::Data, u"Held").value_or(QString()), QStringLiteral("1"));
    }

private:
    QString m_path;
};

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
