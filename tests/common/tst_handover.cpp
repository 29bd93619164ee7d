#include "HandOver.h"
#include "IniFileBackend.h"
#include "ProgramStarter.h"
#include "RecordingStarter.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

void makeProgram(const QString& path, bool executable = true)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

} // namespace

class TestHandOver : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        m_store.emplace(
            std::make_unique<IniFileBackend>(m_dir->filePath(QStringLiteral("s.conf"))));
        m_folder = HandOver::withTrailingSeparator(m_dir->path());
    }

    void startFlagProtocol()
    {
        SettingsStore& s = *m_store;
        QVERIFY(!HandOver::settingsMayRun(s));
        QVERIFY(!HandOver::displayMayRun(s));
        QCOMPARE(s.text(StoreKeys::Start).value_or(QStringLiteral("none")), QStringLiteral("none"));

        QVERIFY(s.set(StoreKeys::Start, 1));
        QVERIFY(HandOver::settingsMayRun(s));
        QCOMPARE(s.get(StoreKeys::Start, StoreReader::Clocks), 1); // the settings program leaves it
        QVERIFY(HandOver::displayMayRun(s));
        QCOMPARE(s.get(StoreKeys::Start, StoreReader::Clocks), 0); // a display consumes it
        QVERIFY(!HandOver::displayMayRun(s));

        QVERIFY(s.setText(StoreKeys::Start, QStringLiteral("yes")));
        QVERIFY(!HandOver::displayMayRun(s)); // not a number: as if missing
    }

    // Six displays started at once on one hand-over: exactly one runs.
    void oneOfSixDisplaysTakesTheHandOver()
    {
        QVERIFY(m_store->set(StoreKeys::Start, 1));
        std::array<int, 2> gate{};
        QCOMPARE(::pipe(gate.data()), 0);
        std::vector<pid_t> displays;
        for (int i = 0; i < 6 && displays.size() == size_t(i); ++i) {
            if (const pid_t pid = ::fork(); pid != 0) {
                displays.push_back(pid);
                continue;
            }
            SettingsStore store(std::make_unique<IniFileBackend>(m_store->filePath()));
            ::close(gate[1]);
            char none = 0; // all go when the gate closes
            ::_exit(::read(gate[0], &none, 1) == 0 && HandOver::displayMayRun(store) ? 0 : 1);
        }
        ::close(gate[0]);
        ::close(gate[1]);
        int ran = 0;
        for (const pid_t pid : displays) {
            int status = 1;
            ran += ::waitpid(pid, &status, 0) == pid && status == 0;
        }
        QCOMPARE(ran, 1);
    }

    void trailingSeparator()
    {
        const QString sep = QDir::separator();
        QCOMPARE(HandOver::withTrailingSeparator(QStringLiteral("/opt/zel")),
                 QStringLiteral("/opt/zel") + sep);
        QCOMPARE(HandOver::withTrailingSeparator(QStringLiteral("/")), sep);
        QCOMPARE(HandOver::withTrailingSeparator(QStringLiteral("/opt/zel/")),
                 QStringLiteral("/opt/zel") + sep);
        QVERIFY(HandOver::startDirectory().endsWith(sep));
    }

    void launcherDisplays()
    {
        QCOMPARE(HandOver::launcherDisplay(0), Program::TitleBarClock);
        QCOMPARE(HandOver::launcherDisplay(1), Program::PanelClock);
        QCOMPARE(HandOver::launcherDisplay(2), Program::ListClock);
        QVERIFY(!HandOver::launcherDisplay(3).has_value());
        QVERIFY(!HandOver::launcherDisplay(-1).has_value());
    }

    void handOverWritesThenStarts()
    {
        makeProgram(m_folder + HandOver::fileName(Program::PanelClock));
        RecordingStarter starter;
        QVERIFY(m_store->set(StoreKeys::Kind, 0));
        const auto failure = HandOver::handOver(*m_store, starter, Program::PanelClock, m_folder,
                                                Program::ListClock);
        QVERIFY(!failure);
        QCOMPARE(starter.started, QStringList{m_folder + HandOver::fileName(Program::PanelClock)});
        QCOMPARE(m_store->get(StoreKeys::Start, StoreReader::Clocks), 1);
        QCOMPARE(m_store->getOr(StoreKeys::Kind, 9), 2);
    }

    void missingProgramIsReportedAndStartGoesBack()
    {
        RecordingStarter starter;
        QVERIFY(m_store->set(StoreKeys::Kind, 1));
        const auto failure = HandOver::handOver(*m_store, starter, Program::TitleBarClock, m_folder,
                                                Program::PanelClock);
        QVERIFY(failure.has_value());
        QVERIFY(starter.started.isEmpty());
        QCOMPARE(failure->program, HandOver::fileName(Program::TitleBarClock));
        QCOMPARE(failure->folder, m_folder);
        QVERIFY(failure->message().contains(QStringLiteral("zelcaption")));
        QVERIFY(failure->message().contains(m_folder));
        QCOMPARE(m_store->get(StoreKeys::Start, StoreReader::Clocks), 0);
    }

    void refusedOrNotExecutableIsAFailure()
    {
        const QString path = m_folder + HandOver::fileName(Program::Settings);
        makeProgram(path, false);
        RecordingStarter starter;
        QVERIFY(HandOver::start(starter, Program::Settings, m_folder).has_value());
        QVERIFY(starter.started.isEmpty());

        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        starter.succeed = false;
        const auto failure = HandOver::handOver(*m_store, starter, Program::Settings, m_folder);
        QVERIFY(failure.has_value());
        QCOMPARE(starter.started.size(), 1);
        QCOMPARE(m_store->get(StoreKeys::Start, StoreReader::Clocks), 0);
    }

    void fallbackFolderWhenTheStartDirectoryLacksTheProgram()
    {
        QTemporaryDir other;
        const QString otherFolder = HandOver::withTrailingSeparator(other.path());
        makeProgram(m_folder + HandOver::fileName(Program::ListClock));
        RecordingStarter starter;
        QVERIFY(!HandOver::start(starter, Program::ListClock, otherFolder, m_folder));
        QCOMPARE(starter.started, QStringList{m_folder + HandOver::fileName(Program::ListClock)});

        // Neither folder has it: the message names both.
        const auto failure = HandOver::start(starter, Program::PanelClock, otherFolder, m_folder);
        QVERIFY(failure.has_value());
        QVERIFY(failure->message().contains(otherFolder));
        QVERIFY(failure->message().contains(m_folder));

        // The start directory wins when it has the program.
        makeProgram(otherFolder + HandOver::fileName(Program::ListClock));
        QVERIFY(!HandOver::start(starter, Program::ListClock, otherFolder, m_folder));
        QCOMPARE(starter.started.last(), otherFolder + HandOver::fileName(Program::ListClock));
    }

    void realProcessStarts()
    {
        const QString marker = m_dir->filePath(QStringLiteral("ran"));
        const QString path = m_folder + HandOver::fileName(Program::TaskBarClock);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        ProcessStarter starter;
        QVERIFY(!HandOver::start(starter, Program::TaskBarClock, m_folder));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<SettingsStore> m_store;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestHandOver)
#include "tst_handover.moc"
