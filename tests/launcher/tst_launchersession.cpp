// The launcher's decisions without a window: which display "Kind" names, where it is started
// from, what "Start" holds afterwards, and what happens when the display is missing.
#include "IniFileBackend.h"
#include "LauncherSession.h"
#include "RecordingStarter.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

SettingsStore storeAt(const QString& path)
{
    return SettingsStore(std::make_unique<IniFileBackend>(path));
}

void makeProgram(const QString& folder, const QString& name)
{
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
}

} // namespace

class TestLauncherSession : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        m_storePath = m_tmp->filePath(QStringLiteral("ZelClock.conf"));
        m_bin = m_tmp->filePath(QStringLiteral("bin"));
        for (const char* name : {"zelcaption", "zelpane", "zelroll"})
            makeProgram(m_bin, QString::fromLatin1(name));
        m_empty = m_tmp->filePath(QStringLiteral("home"));
        QDir().mkpath(m_empty);
    }

    void emptyStoreStartsThePanelClock()
    {
        SettingsStore reader = storeAt(m_storePath);
        SettingsStore writer = storeAt(m_storePath);
        RecordingStarter starter;
        LauncherSession session(reader, writer, starter, m_bin, {});
        QCOMPARE(session.kind(), 1);
        QVERIFY(!session.handOver());
        QCOMPARE(starter.started, QStringList{m_bin + QStringLiteral("/zelpane")});
        QCOMPARE(storeAt(m_storePath).text(StoreKeys::Start).value_or(QString()),
                 QStringLiteral("1"));
    }

    void kindNamesTheDisplay_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("program");
        QTest::newRow("0 title-bar clock") << "0"
                                           << "zelcaption";
        QTest::newRow("1 panel clock") << "1"
                                       << "zelpane";
        QTest::newRow("2 list clock") << "2"
                                      << "zelroll";
        QTest::newRow("not a number reads as 1") << "two"
                                                 << "zelpane";
    }

    void kindNamesTheDisplay()
    {
        QFETCH(QString, kind);
        QFETCH(QString, program);
        SettingsStore writer = storeAt(m_storePath);
        QVERIFY(writer.setText(StoreKeys::Kind, kind));
        QVERIFY(writer.setText(StoreKeys::Start, QStringLiteral("0")));
        SettingsStore reader = storeAt(m_storePath);
        RecordingStarter starter;
        LauncherSession session(reader, writer, starter, m_bin, {});
        QVERIFY(!session.handOver());
        QCOMPARE(starter.started, QStringList{m_bin + u'/' + program});
        QCOMPARE(storeAt(m_storePath).get(StoreKeys::Start, StoreReader::Clocks), 1);
    }

    void otherKindsStartNothingButWriteStart_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("3") << 3;
        QTest::newRow("-1") << -1;
        QTest::newRow("large") << 2147483647;
    }

    void otherKindsStartNothingButWriteStart()
    {
        QFETCH(int, kind);
        SettingsStore writer = storeAt(m_storePath);
        QVERIFY(writer.set(StoreKeys::Kind, kind));
        QVERIFY(writer.set(StoreKeys::Start, 0));
        RecordingStarter starter;
        LauncherSession session(writer, writer, starter, m_bin, {});
        QVERIFY(!session.display());
        QVERIFY(!session.handOver());
        QVERIFY(starter.started.isEmpty());
        QCOMPARE(storeAt(m_storePath).get(StoreKeys::Start, StoreReader::Clocks), 1);
    }

    void kindIsTakenAtLoad()
    {
        SettingsStore store = storeAt(m_storePath);
        QVERIFY(store.set(StoreKeys::Kind, 2));
        RecordingStarter starter;
        LauncherSession session(store, store, starter, m_bin, {});
        // Saved while the about window is up: the launcher keeps what it read.
        QVERIFY(storeAt(m_storePath).set(StoreKeys::Kind, 0));
        QVERIFY(!session.handOver());
        QCOMPARE(starter.started, QStringList{m_bin + QStringLiteral("/zelroll")});
    }

    void programDirectoryEndsInOneSeparator_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("expected");
        QTest::newRow("without") << "/opt/zelclock"
                                 << "/opt/zelclock/";
        QTest::newRow("with") << "/opt/zelclock/"
                              << "/opt/zelclock/";
        QTest::newRow("root") << "/"
                              << "/";
    }

    void programDirectoryEndsInOneSeparator()
    {
        QFETCH(QString, current);
        QFETCH(QString, expected);
        SettingsStore store = storeAt(m_storePath);
        RecordingStarter starter;
        LauncherSession session(store, store, starter, current, {});
        QCOMPARE(session.programDirectory(), expected);
    }

    void startsFromTheStartDirectoryFirst()
    {
        const QString other = m_tmp->filePath(QStringLiteral("other"));
        makeProgram(other, QStringLiteral("zelpane"));
        SettingsStore store = storeAt(m_storePath);
        RecordingStarter starter;
        LauncherSession session(store, store, starter, m_bin + u'/', other + u'/');
        QVERIFY(!session.handOver());
        QCOMPARE(starter.started, QStringList{m_bin + QStringLiteral("/zelpane")});
    }

    void fallsBackToItsOwnFolder()
    {
        // Started from a desktop menu in the home folder, which has no displays.
        SettingsStore store = storeAt(m_storePath);
        RecordingStarter starter;
        LauncherSession session(store, store, starter, m_empty, m_bin + u'/');
        QVERIFY(!session.handOver());
        QCOMPARE(starter.started, QStringList{m_bin + QStringLiteral("/zelpane")});
        QCOMPARE(storeAt(m_storePath).get(StoreKeys::Start, StoreReader::Clocks), 1);
    }

    void missingDisplayIsReportedAndStartIsTakenBack()
    {
        SettingsStore store = storeAt(m_storePath);
        QVERIFY(store.set(StoreKeys::Kind, 2));
        RecordingStarter starter;
        LauncherSession session(store, store, starter, m_empty, m_empty + QStringLiteral("/x/"));
        const auto failure = session.handOver();
        QVERIFY(failure);
        QCOMPARE(failure->program, QStringLiteral("zelroll"));
        QCOMPARE(failure->folder, m_empty + u'/');
        QVERIFY(failure->message().contains(QStringLiteral("zelroll")));
        QVERIFY(failure->message().contains(m_empty + u'/'));
        QVERIFY(starter.started.isEmpty());
        // Nobody would ever consume the request.
        QCOMPARE(storeAt(m_storePath).get(StoreKeys::Start, StoreReader::Clocks), 0);
    }

    void refusedStartIsReportedAndStartIsTakenBack()
    {
        SettingsStore store = storeAt(m_storePath);
        RecordingStarter starter;
        starter.succeed = false;
        LauncherSession session(store, store, starter, m_bin, {});
        const auto failure = session.handOver();
        QVERIFY(failure);
        QCOMPARE(failure->program, QStringLiteral("zelpane"));
        QCOMPARE(starter.started.size(), 1);
        QCOMPARE(storeAt(m_storePath).get(StoreKeys::Start, StoreReader::Clocks), 0);
    }

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_storePath;
    QString m_bin;
    QString m_empty;
};

QTEST_GUILESS_MAIN(TestLauncherSession)
#include "tst_launchersession.moc"
