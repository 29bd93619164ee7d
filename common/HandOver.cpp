#include "HandOver.h"

#include "ProgramStarter.h"
#include "SettingsStore.h"
#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

QString StartFailure::message() const
{
    if (unsaved) {
        if (program.isEmpty())
            return unsaved->message();
        //: %1 says why the settings could not be saved, %2 is a program's file name
        return QCoreApplication::translate("HandOver", "%1 %2 was not started.")
            .arg(unsaved->message(), program);
    }
    //: %1 is a program's file name, %2 a folder, %3 why it failed
    return QCoreApplication::translate("HandOver", "%1 could not be started from %2: %3.")
        .arg(program, folder, reason);
}

namespace HandOver {

QString fileName(Program program)
{
    QString base;
    switch (program) {
    case Program::TitleBarClock:
        base = QStringLiteral("zelcaption");
        break;
    case Program::PanelClock:
        base = QStringLiteral("zelpane");
        break;
    case Program::ListClock:
        base = QStringLiteral("zelroll");
        break;
    case Program::Settings:
        base = QStringLiteral("zelsetup");
        break;
    case Program::TaskBarClock:
        base = QStringLiteral("zelband");
        break;
    case Program::Launcher:
        base = QStringLiteral("zelhome");
        break;
    }
    return HostSystem::executableName(base);
}

std::optional<Program> launcherDisplay(int kind)
{
    const std::optional<Program> display = clockOfKind(kind);
    if (display == Program::TaskBarClock)
        return std::nullopt;
    return display;
}

bool settingsMayRun(SettingsStore& store)
{
    return store.get(StoreKeys::Start, StoreReader::SettingsProgram) != 0;
}

bool displayMayRun(SettingsStore& store)
{
    // A plain read first, so that a display started alone neither locks nor writes the store;
    // then read again and cleared in one step: of several displays started at once, only one
    // takes it.
    return store.get(StoreKeys::Start, StoreReader::Clocks) != 0 &&
           store.exchange(StoreKeys::Start, StoreReader::Clocks, 0).value_or(0) != 0;
}

void sayStartedAlone(const QString& program)
{
    const QString line =
        QStringLiteral("%1: runs only when another ZelClock program starts it; start %2 instead\n")
            .arg(program, fileName(Program::Launcher));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

QString withTrailingSeparator(const QString& dir)
{
    const QString native = QDir::toNativeSeparators(dir);
    const QChar sep = QDir::separator();
    return native.endsWith(sep) ? native : native + sep;
}

QString startDirectory()
{
    return withTrailingSeparator(QDir::currentPath());
}

QString ownDirectory()
{
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

std::optional<StartFailure> start(ProgramStarter& starter, Program program, const QString& folder,
                                  const QString& fallbackFolder)
{
    const QString name = fileName(program);
    QString dir = folder;
    QFileInfo file(folder + name);
    if (!file.exists() && !fallbackFolder.isEmpty() && fallbackFolder != folder &&
        QFileInfo::exists(fallbackFolder + name)) {
        dir = fallbackFolder;
        file = QFileInfo(fallbackFolder + name);
    }
    if (!file.exists()) {
        const bool alsoLooked = !fallbackFolder.isEmpty() && fallbackFolder != folder;
        return StartFailure{
            name, dir,
            alsoLooked ? QCoreApplication::translate("HandOver",
                                                     "there is no such program there, nor in %1")
                             .arg(fallbackFolder)
                       : QCoreApplication::translate("HandOver", "there is no such program")};
    }
    if (!file.isFile() || !file.isExecutable())
        return StartFailure{
            name, dir, QCoreApplication::translate("HandOver", "it is not an executable program")};
    if (!starter.start(file.filePath()))
        return StartFailure{
            name, dir, QCoreApplication::translate("HandOver", "the system refused to run it")};
    return std::nullopt;
}

std::optional<StartFailure> handOver(SettingsStore& store, ProgramStarter& starter, Program program,
                                     const QString& folder, std::optional<Program> kind,
                                     const QString& fallbackFolder, StoreBatch first)
{
    first.set(StoreKeys::Start, 1);
    if (kind)
        first.set(StoreKeys::Kind, int(*kind)); // a clock's value is its number there
    if (const WriteResult written = store.write(first); !written)
        return StartFailure{fileName(program), folder, {}, written.error()};
    std::optional<StartFailure> failure = start(starter, program, folder, fallbackFolder);
    // The failure to start is what the caller shows; a "Start" left at 1 would only admit a
    // display started later by hand.
    if (failure)
        static_cast<void>(store.set(StoreKeys::Start, 0));
    return failure;
}

} // namespace HandOver
