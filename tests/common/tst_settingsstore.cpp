#include "IniFileBackend.h"
#include "PlaceTable.h"
#include "SettingsStore.h"

#include <QFile>
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

    void applicationNameIgnoresCase()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("xdg"))));
        SettingsStore writer = SettingsStore::openUser(QStringLiteral("ZelClock"));
        QVERIFY(writer.set(StoreKeys::Kind, 2));
        SettingsStore launcher = SettingsStore::openUser(QStringLiteral("zelClock"));
        QCOMPARE(launcher.get(StoreKeys::Kind, StoreReader::Launcher), 2);
        QCOMPARE(SettingsStore::userStoreFile(QStringLiteral("ZELCLOCK")),
                 m_dir.filePath(QStringLiteral("xdg/ZelClock/ZelClock.conf")));
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
        QVERIFY(s.setText(StoreKeys::CT, text));
        QCOMPARE(s.getOr(StoreKeys::CT, 99), expected);
    }

    void shortAndFloatRanges()
    {
        SettingsStore s = storeAt(m_path);
        s.setText(StoreKeys::SelectPattern, QStringLiteral("40000"));
        QCOMPARE(s.getOr(StoreKeys::SelectPattern, 1), qint16(1));
        s.setText(StoreKeys::SelectPattern, QStringLiteral("-32768"));
        QCOMPARE(s.getOr(StoreKeys::SelectPattern, 1), qint16(-32768));

        const QStringList bad = {QStringLiteral("1e39"), QStringLiteral("nan"),
                                 QStringLiteral("inf"), QStringLiteral("12px"), QString()};
        for (const QString& t : bad) {
            s.setText(StoreKeys::MainLeft, t);
            QCOMPARE(s.placement(StoreKeys::PanelWindow).left, 1000.0f);
        }
        s.setText(StoreKeys::MainLeft, QStringLiteral("-1234.5"));
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

        QByteArray garbage(4096, '\0');
        for (char& c : garbage)
            c = char(QRandomGenerator::global()->bounded(256));
        garbage.replace('[', '(').replace('=', '-');
        writeFile(m_path, garbage);
        SettingsStore corrupt = storeAt(m_path);
        QCOMPARE(corrupt.get(StoreKeys::Kind, StoreReader::Launcher), 1);
        QCOMPARE(corrupt.get(StoreKeys::WP, 0, StoreReader::Clocks), QStringLiteral("Japan"));
        QVERIFY(corrupt.set(StoreKeys::Kind, 2));
        QCOMPARE(storeAt(m_path).get(StoreKeys::Kind, StoreReader::Launcher), 2);
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
        for (int i = 0; i < 100; ++i) {
            QVERIFY(!PlaceTable::reloadRequested(s));
            QVERIFY(s.set(StoreKeys::Change, 0));
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

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_serial = 0;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
