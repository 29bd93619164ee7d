#include "LauncherSession.h"

#include "ProgramStarter.h"
#include "SettingsStore.h"

#include <utility>

LauncherSession::LauncherSession(SettingsStore& reader, SettingsStore& writer,
                                 ProgramStarter& starter, const QString& currentDirectory,
                                 QString fallbackDirectory)
    : m_writer(writer), m_starter(starter),
      m_programDirectory(HandOver::withTrailingSeparator(currentDirectory)),
      m_fallbackDirectory(std::move(fallbackDirectory)),
      m_kind(reader.get(StoreKeys::Kind, StoreReader::Launcher))
{
}

std::optional<Program> LauncherSession::display() const
{
    return HandOver::launcherDisplay(m_kind);
}

std::optional<StartFailure> LauncherSession::handOver()
{
    const std::optional<Program> program = display();
    if (!program) {
        if (const WriteResult written = m_writer.set(StoreKeys::Start, 1); !written)
            return StartFailure{{}, {}, {}, written.error()};
        return std::nullopt;
    }
    return HandOver::handOver(m_writer, m_starter, *program, m_programDirectory, std::nullopt,
                              m_fallbackDirectory);
}
