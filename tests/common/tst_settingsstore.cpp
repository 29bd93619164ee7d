#include "FakeClock.h"
#include "IniFileBackend.h"
#include "PlaceReload.h"
#include "PlaceTable.h"
#include "SettingsStore.h"
#include "StoreLocation.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Section = SettingsStore::Section;

namespace {

SettingsStore storeAt(const QString& path)
{
    return SettingsStore(std::make_unique<IniFileBackend>(path));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Identity {
    ino_t inode;
    timespec modified;
};

Identity identityOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return {st.st_ino, st.st_mtim};
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("ZelClock-%1.conf").arg(m_serial++));
    }

    void namesIgnoreCaseAcrossStores()
    {
        writeFile(m_path, "[data]\nplccount=3\n\n[SETTINGS]\nkind = 2\n");
        SettingsStore a = storeAt(m_path);
        QCOMPARE(a.get(StoreKeys::PlcCount, StoreReader::Clocks), 3);
        QCOMPARE(a.get(StoreKeys::Kind, StoreReader::Launcher), 2);

        QVERIFY(a.set(StoreKeys::PlcCount, 4));
        const QByteArray text = readFile(m_path);
        QCOMPARE(text.count("plccount="), 1);
        QVERIFY(!text.contains("PlcCount"));
        QCOMPARE(text.count("[data]"), 1);
        QVERIFY(!text.contains("[Data]"));

        SettingsStore b = storeAt(m_path);
        QCOMPARE(b.get(StoreKeys::PlcCount, StoreReader::Clocks), 4);
        QCOMPARE(b.rawText(Section::Data, u"PLCCOUNT").value_or(QString()), QStringLiteral("4"));
    }

    void userStoreIgnoresCaseAndRelativeConfigHome_data()
    {
        QTest::addColumn<bool>("relative"); // XDG_CONFIG_HOME "xdg", the working folder the test's
        QTest::addColumn<QString>("store");
        QTest::newRow("absolute") << false << QStringLiteral("xdg/ZelClock/ZelClock.conf");
        QTest::newRow("relative: ~/.config")
            << true << QStringLiteral("home/.config/ZelClock/ZelClock.conf");
    }

    void userStoreIgnoresCaseAndRelativeConfigHome()
    {
        QFETCH(bool, relative);
        QFETCH(QString, store);
        const QByteArray home = qgetenv("HOME");
        const QString workingFolder = QDir::currentPath();
        qputenv("HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home"))));
        const QString xdg = QStringLiteral("xdg");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(relative ? xdg : m_dir.filePath(xdg)));
        QDir::setCurrent(m_dir.path());
        SettingsStore writer = SettingsStore::openUser(QStringLiteral("ZelClock"));
        const bool written = bool(writer.set(StoreKeys::Kind, 2));
        SettingsStore launcher = SettingsStore::openUser(QStringLiteral("zelClock"));
        const int kind = launcher.get(StoreKeys::Kind, StoreReader::Launcher);
        const QString found = StoreLocation::userFile(QStringLiteral("ZELCLOCK"));
        QDir::setCurrent(workingFolder);
        qputenv("HOME", home);
        QVERIFY(written);
        QCOMPARE(kind, 2);
        QCOMPARE(found, m_dir.filePath(store));
    }

    void valuesComeBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        const QStringList values = {
            QStringLiteral(" leading"),
            QStringLiteral("trailing "),
            QStringLiteral("  both  "),
            QStringLiteral(" "),
            QString(),
            QStringLiteral("a,b, c"),
            QStringLiteral("\"quoted\""),
            QStringLiteral("\""),
            QStringLiteral("say \"hi\" "),
            QStringLiteral("@Variant(x)"),
            QStringLiteral("=a=b="),
            QStringLiteral("; not a comment"),
            QStringLiteral("# not a comment"),
            QStringLiteral("C:\\Program Files\\"),
            QStringLiteral("\\\"\\"),
            QStringLiteral("アメリカ(東部) 台北（タイペイ）"),
            QStringLiteral("[Data]"),
            QStringLiteral("two\nlines\r\n"),
            QStringLiteral("tab\there"),
            QStringLiteral("\\x41 \\n"),
            QStringLiteral("Har’kov"),
            QStringLiteral("\x01\x7f"),
        };
        for (const QString& v : values)
            QTest::newRow(qPrintable(QString(v).replace(u'\n', u'|'))) << v;
    }

    void valuesComeBackExactly()
    {
        QFETCH(QString, value);
        SettingsStore a = storeAt(m_path);
        QVERIFY(a.set(StoreKeys::WP, 0, QStringLiteral("before")));
        QVERIFY(a.set(StoreKeys::WP, 1, value));
        QVERIFY(a.set(StoreKeys::WP, 2, QStringLiteral("after")));
        SettingsStore b = storeAt(m_path);
        QCOMPARE(b.get(StoreKeys::WP, 1, StoreReader::Clocks), value);
        QCOMPARE(b.get(StoreKeys::WP, 0, StoreReader::Clocks), QStringLiteral("before"));
        QCOMPARE(b.get(StoreKeys::WP, 2, StoreReader::Clocks), QStringLiteral("after"));
    }

    void integersConvertWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QStringLiteral("45") << 45;
        QTest::newRow("negative") << QStringLiteral("-1") << -1;
        QTest::newRow("blanks around") << QStringLiteral(" 7 ") << 7;
        QTest::newRow("min") << QStringLiteral("-2147483648") << -2147483647 - 1;
        QTest::newRow("too big") << QStringLiteral("2147483648") << 99;
        QTest::newRow("trailing text") << QStringLiteral("12abc") << 99;
        QTest::newRow("empty") << QString() << 99;
        QTest::newRow("hex") << QStringLiteral("0x10") << 99;
        QTest::newRow("fraction") << QStringLiteral("1.5") << 99;
        QTest::newRow("exponent") << QStringLiteral("1e3") << 99;
        QTest::newRow("japanese digits") << QStringLiteral("３") << 99;
    }

    void integersConvertWholeOrNotAtAll()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        SettingsStore s = storeAt(m_path);
        // "Change" has no range of its own, so only the conversion decides.
        QVERIFY(s.setText(StoreKeys::Change, text));
        QCOMPARE(s.getOr(StoreKeys::Change, 99), expected);
    }

    void shortAndFloatRanges()
    {
        SettingsStore s = storeAt(m_path);
        QVERIFY(s.setText(StoreKeys::SelectPattern, QStringLiteral("40000")));
        QCOMPARE(s.getOr(StoreKeys::SelectPattern, 1), qint16(1));
        QVERIFY(s.setText(StoreKeys::SelectPattern, QStringLiteral("-32768")));
        QCOMPARE(s.getOr(StoreKeys::SelectPattern, 1), qint16(-32768));

        const QStringList bad = {QStringLiteral("1e39"), QStringLiteral("nan"),
                                 QStringLiteral("inf"), QStringLiteral("12px"), QString()};
        for (const QString& t : bad) {
            QVERIFY(s.setText(StoreKeys::MainLeft, t));
            QCOMPARE(s.placement(StoreKeys::PanelWindow).left, 1000.0f);
        }
        QVERIFY(s.setText(StoreKeys::MainLeft, QStringLiteral("-1234.5")));
        QCOMPARE(s.placement(StoreKeys::PanelWindow).left, -1234.5f);
    }

    void placementsUseTheirDefaultsAndRoundTrip()
    {
        SettingsStore s = storeAt(m_path);
        QCOMPARE(s.placement(StoreKeys::PanelWindow), (WindowPlacement{1000, 0, 5000}));
        QCOMPARE(s.placement(StoreKeys::ListWindow), (WindowPlacement{300, 100, 8175}));
        const WindowPlacement p{4500, 1234.5f, -15};
        QVERIFY(s.setPlacement(StoreKeys::ListWindow, p));
        QCOMPARE(storeAt(m_path).placement(StoreKeys::ListWindow), p);
        QCOMPARE(s.text(StoreKeys::MainLLeft).value_or(QString()), QStringLiteral("4500"));
        QCOMPARE(s.text(StoreKeys::MainLTop).value_or(QString()), QStringLiteral("1234.5"));
        QCOMPARE(s.placement(StoreKeys::PanelWindow), (WindowPlacement{1000, 0, 5000}));
        QCOMPARE(SettingsStore::fromFloat(0.1f), QStringLiteral("0.1"));
        QCOMPARE(SettingsStore::toFloat(SettingsStore::fromFloat(16777215.0f)), 16777215.0f);
    }

    void missingOrCorruptStoreReadsEmpty()
    {
        SettingsStore missing = storeAt(m_path);
        QCOMPARE(missing.get(StoreKeys::Start, StoreReader::Clocks), 0);
        QCOMPARE(missing.get(StoreKeys::PlcCount, StoreReader::Clocks), 1);

        // Seeded, so that a failure can be repeated: the seed is in the message.
        for (quint32 seed = 1; seed <= 20; ++seed) {
            QRandomGenerator rng(seed);
            QByteArray garbage(4096, '\0');
            for (char& c : garbage)
                c = char(rng.bounded(256));
            garbage.replace('[', '(').replace('=', '-');
            writeFile(m_path, garbage);
            const QByteArray message = "seed " + QByteArray::number(seed);
            SettingsStore corrupt = storeAt(m_path);
            QVERIFY2(corrupt.get(StoreKeys::Kind, StoreReader::Launcher) == 1, message);
            QVERIFY2(corrupt.get(StoreKeys::WP, 0, StoreReader::Clocks) == QStringLiteral("Japan"),
                     message);
            QVERIFY2(corrupt.set(StoreKeys::Kind, 2), message);
            QVERIFY2(storeAt(m_path).get(StoreKeys::Kind, StoreReader::Launcher) == 2, message);
            // What could not be read is still there, byte for byte.
            QVERIFY2(readFile(m_path).startsWith(garbage), message);
        }
    }

    void unwritableStoreDoesNotCrash()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("not-a-folder"));
        writeFile(blocker, "x");
        SettingsStore s = storeAt(blocker + QStringLiteral("/ZelClock/ZelClock.conf"));
        QVERIFY(!s.set(StoreKeys::Start, 1));
        QCOMPARE(s.get(StoreKeys::Start, StoreReader::Clocks), 0);
        PlaceTable table;
        table.load(s);
        QCOMPARE(table.plcCount, 1);
    }

    void pollingWithoutChangeNeverWrites()
    {
        SettingsStore s = storeAt(m_path);
        QVERIFY(s.set(StoreKeys::Change, 0));
        QVERIFY(s.set(StoreKeys::PlcCount, 2));
        const Identity before = identityOf(m_path);
        PlaceTable table;
        const FakeClock clock;
        PlaceReload reload(s, clock);
        reload.acknowledge();
        for (int i = 0; i < 100; ++i) {
            QVERIFY(!reload.due());
            table.load(s);
        }
        const Identity after = identityOf(m_path);
        QCOMPARE(after.inode, before.inode);
        QCOMPARE(after.modified.tv_sec, before.modified.tv_sec);
        QCOMPARE(after.modified.tv_nsec, before.modified.tv_nsec);
    }

    void anotherStoresWriteIsSeenAtOnce()
    {
        SettingsStore clock = storeAt(m_path);
        SettingsStore setup = storeAt(m_path);
        // Same-size rewrites in quick succession: a check by size and coarse time would miss them.
        for (int i = 0; i < 200; ++i) {
            QVERIFY(setup.set(StoreKeys::Change, i % 2));
            QCOMPARE(clock.get(StoreKeys::Change, StoreReader::Clocks), i % 2);
            QVERIFY(clock.set(StoreKeys::Change, 1 - i % 2));
            QCOMPARE(setup.get(StoreKeys::Change, StoreReader::Clocks), 1 - i % 2);
        }
    }

    void concurrentWritersLoseNothing()
    {
        const int rounds = 150;
        QProcess a, b;
        a.start(QStringLiteral(STOREWRITER),
                {m_path, QStringLiteral("keys"), QStringLiteral("A"), QString::number(rounds)});
        b.start(QStringLiteral(STOREWRITER),
                {m_path, QStringLiteral("keys"), QStringLiteral("B"), QString::number(rounds)});
        QVERIFY(a.waitForFinished(120000));
        QVERIFY(b.waitForFinished(120000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        SettingsStore s = storeAt(m_path);
        for (int i = 0; i < rounds; ++i) {
            QCOMPARE(s.rawText(Section::Data, QStringLiteral("A%1").arg(i)).value_or(QString()),
                     QString::number(i));
            QCOMPARE(s.rawText(Section::Data, QStringLiteral("B%1").arg(i)).value_or(QString()),
                     QString::number(i));
        }
    }

    void killedWriterLeavesAWholeStore()
    {
        SettingsStore s = storeAt(m_path);
        QVERIFY(s.set(StoreKeys::WP, 0, QStringLiteral("Tokyo")));
        for (int round = 0; round < 15; ++round) {
            QProcess w;
            w.start(QStringLiteral(STOREWRITER),
                    {m_path, QStringLiteral("churn"), QStringLiteral("WP1")});
            QVERIFY(w.waitForReadyRead(20000));
            QTest::qWait(int(QRandomGenerator::global()->bounded(30)));
            w.kill();
            QVERIFY(w.waitForFinished(10000));

            SettingsStore fresh = storeAt(m_path);
            QCOMPARE(fresh.get(StoreKeys::WP, 0, StoreReader::Clocks), QStringLiteral("Tokyo"));
            const QString v = fresh.get(StoreKeys::WP, 1, StoreReader::Clocks);
            QVERIFY2(v.size() >= 20000, "the churned value is missing or cut short");
            QCOMPARE(v.count(v.front()), v.size());
            // The dead writer's lock must not keep others from writing.
            QVERIFY(fresh.set(StoreKeys::Kind, round));
        }
    }

    void damagedFileIsReadAndKeptByteForByte()
    {
        const QByteArray original = "\xef\xbb\xbf; written by hand\r\n"
                                    "[Settings]\r\n"
                                    "# the display\r\n"
                                    "Kind = 2\r\n"
                                    "\r\n"
                                    "a line without an equals sign\r\n"
                                    "[Data\r\n"
                                    "WP0=under a broken header\r\n"
                                    "[Unknown]\r\n"
                                    "Foo=bar\r\n"
                                    "[data]\r\n"
                                    "WP1=Z\xfcrich\r\n"
                                    "WP2=\x93\x8c\x8b\x9e\r\n"
                                    "plccount=1\r\n"
                                    "WP3=T\xc5\x8dky\xc5\x8d\r\n"
                                    "\x01\x02\xff=\xfe\r\n"
                                    "PlcCount=2";
        writeFile(m_path, original);
        SettingsStore s = storeAt(m_path);
        QCOMPARE(s.get(StoreKeys::Kind, StoreReader::Launcher), 2);
        QCOMPARE(s.get(StoreKeys::WP, 0, StoreReader::Clocks), QStringLiteral("Japan"));
        QCOMPARE(s.get(StoreKeys::WP, 1, StoreReader::Clocks), QString::fromUtf8("Z\xc3\xbcrich"));
        QCOMPARE(s.get(StoreKeys::WP, 3, StoreReader::Clocks),
                 QString::fromUtf8("T\xc5\x8dky\xc5\x8d"));
        QCOMPARE(s.get(StoreKeys::WP, 2, StoreReader::Clocks).size(), 4); // Latin-1, never lost
        QCOMPARE(s.get(StoreKeys::PlcCount, StoreReader::Clocks), 2);     // the last line wins
        QVERIFY(!s.rawText(Section::Settings, u"Foo"));

        // Unrelated writes change their own lines only.
        QVERIFY(s.set(StoreKeys::Start, 0));
        QByteArray expected = original;
        expected.replace("Kind = 2\r\n", "Kind = 2\r\nStart=0\r\n");
        QCOMPARE(readFile(m_path), expected);
        QVERIFY(s.set(StoreKeys::PlcCount, 3));
        expected.replace("PlcCount=2", "PlcCount=3");
        QCOMPARE(readFile(m_path), expected);
        QVERIFY(s.set(StoreKeys::Change, 1));
        expected += "\r\nChange=1\r\n";
        QCOMPARE(readFile(m_path), expected);
        QVERIFY(s.set(StoreKeys::WP, 1, QString::fromUtf8("Z\xc3\xbcrich"))); // same text
        QCOMPARE(readFile(m_path), expected);
        QCOMPARE(storeAt(m_path).get(StoreKeys::WP, 1, StoreReader::Clocks),
                 QString::fromUtf8("Z\xc3\xbcrich"));
    }

    void storedNumbersAreCheckedBeforeUse()
    {
        SettingsStore s = storeAt(m_path);
        for (const char* text : {"1e30", "-99999999", "inf", "nan", "1e9"}) {
            QVERIFY(s.setText(StoreKeys::MainLeft, QString::fromLatin1(text)));
            QCOMPARE(s.placement(StoreKeys::PanelWindow).left, 1000.0f);
        }
        QVERIFY(s.setText(StoreKeys::MainLeft, QStringLiteral("-16777216")));
        QCOMPARE(s.placement(StoreKeys::PanelWindow).left, -16777216.0f);
        QVERIFY(s.setText(StoreKeys::WD, 0, QStringLiteral("2000000000")));
        QCOMPARE(s.get(StoreKeys::WD, 0, StoreReader::Clocks), 9);
        QVERIFY(s.setText(StoreKeys::WD, 0, QStringLiteral("14")));
        QCOMPARE(s.get(StoreKeys::WD, 0, StoreReader::Clocks), 14);
        QVERIFY(s.setText(StoreKeys::WDM, 0, QStringLiteral("-2147483648")));
        QCOMPARE(s.get(StoreKeys::WDM, 0, StoreReader::Clocks), 0);
    }

    void slowWriterIsWaitedForNotRobbed()
    {
        SettingsStore s = storeAt(m_path);
        QVERIFY(s.set(StoreKeys::Kind, 1));
        QProcess slow;
        slow.start(QStringLiteral(STOREWRITER), {m_path, QStringLiteral("hold"),
                                                 QStringLiteral("Slow"), QStringLiteral("4000")});
        QVERIFY(slow.waitForReadyRead(20000));
        QElapsedTimer waited;
        waited.start();
        QVERIFY(s.set(StoreKeys::Change, 1)); // waits for the slow writer's rename
        QVERIFY2(waited.elapsed() > 2000, "the lock was taken from a live writer");
        QVERIFY(slow.waitForFinished(20000));
        QCOMPARE(slow.exitCode(), 0);
        SettingsStore fresh = storeAt(m_path);
        QCOMPARE(fresh.rawText(Section::Data, u"Slow").value_or(QString()), QStringLiteral("1"));
        QCOMPARE(fresh.get(StoreKeys::Change, StoreReader::Clocks), 1);
        QCOMPARE(fresh.get(StoreKeys::Kind, StoreReader::Launcher), 1);

        // A holder that died is not waited for.
        QProcess dead;
        dead.start(QStringLiteral(STOREWRITER), {m_path, QStringLiteral("hold"),
                                                 QStringLiteral("Dead"), QStringLiteral("60000")});
        QVERIFY(dead.waitForReadyRead(20000));
        dead.kill();
        QVERIFY(dead.waitForFinished(10000));
        waited.restart();
        QVERIFY(s.set(StoreKeys::Change, 0));
        QVERIFY2(waited.elapsed() < 30000, "a dead writer's lock kept the store locked");
        QVERIFY(!storeAt(m_path).rawText(Section::Data, u"Dead"));
    }

    void leftoversOfKilledWritesAreRemoved()
    {
        const QString name = QFileInfo(m_path).fileName();
        const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
        auto make = [&](const QString& file, bool isOld) {
            QFile f(m_dir.filePath(file));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
            f.flush(); // before the time is set, or closing would set it anew
            if (isOld)
                QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        };
        const QString own = u'.' + name + QStringLiteral(".saving-");
        make(own + QStringLiteral("Ab12Cd"), true);
        make(own + QStringLiteral("Xy34Zw"), false); // a write running right now
        // The user's own files, however old: only the store's own names are removed.
        const QStringList users{name + ".backup", name + ".202601", name + ".orig01",
                                ".other.conf.saving-Ab12Cd", own + "Ab-2Cd"};
        for (const QString& file : users)
            make(file, true);
        QVERIFY(storeAt(m_path).set(StoreKeys::Start, 1));
        QVERIFY(!QFile::exists(m_dir.filePath(own + QStringLiteral("Ab12Cd"))));
        for (const QString& file : users + QStringList{own + "Xy34Zw"})
            QVERIFY2(QFile::exists(m_dir.filePath(file)), qPrintable(file));
    }

    void largeStoreReadsInLinearTime()
    {
        // A coarse bound only; the figures are in the store benchmark.
        QByteArray bytes = "[Settings]\nStart=1\n[Data]\n";
        for (int i = 0; i < 100000; ++i)
            bytes += "Key" + QByteArray::number(i) + '=' + QByteArray::number(i) + '\n';
        bytes += "PlcCount=2\n";
        writeFile(m_path, bytes);
        QElapsedTimer t;
        t.start();
        SettingsStore s = storeAt(m_path);
        PlaceTable places;
        places.load(s);
        QCOMPARE(places.plcCount, 2);
        QCOMPARE(s.rawText(Section::Data, u"key99999").value_or(QString()),
                 QStringLiteral("99999"));
        QVERIFY(s.set(StoreKeys::Start, 0));
        QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_serial = 0;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
