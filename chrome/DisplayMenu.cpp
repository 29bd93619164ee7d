#include "DisplayMenu.h"

#include <QCoreApplication>

namespace DisplayMenu {

namespace {

MenuEntry entry(MenuItem item)
{
    switch (item) {
    case MenuItem::TitleBarClock:
        return {item, QStringLiteral("actTitleBar"),
                QCoreApplication::translate("ClockButtons", "Put into the title bar")};
    case MenuItem::PanelClock:
        return {item, QStringLiteral("actPanel"),
                QCoreApplication::translate("ClockButtons", "Show as a separate clock")};
    case MenuItem::ListClock:
        return {item, QStringLiteral("actList"),
                QCoreApplication::translate("ClockButtons", "Show time differences as a picture")};
    case MenuItem::Settings:
        return {item, QStringLiteral("actSettings"),
                QCoreApplication::translate("ClockButtons", "Settings")};
    case MenuItem::End:
        break;
    }
    return {MenuItem::End, QStringLiteral("actEnd"),
            QCoreApplication::translate("ClockButtons", "End")};
}

} // namespace

std::vector<MenuEntry> captionEntries()
{
    return {entry(MenuItem::PanelClock), entry(MenuItem::ListClock), entry(MenuItem::Settings),
            entry(MenuItem::End)};
}

std::vector<MenuEntry> bandEntries()
{
    std::vector<MenuEntry> entries = captionEntries();
    entries.insert(entries.begin(), entry(MenuItem::TitleBarClock));
    return entries;
}

std::optional<SwitchTarget> switchTarget(MenuItem item)
{
    switch (item) {
    case MenuItem::TitleBarClock:
        return SwitchTarget{Program::TitleBarClock, Program::TitleBarClock};
    case MenuItem::PanelClock:
        return SwitchTarget{Program::PanelClock, Program::PanelClock};
    case MenuItem::ListClock:
        return SwitchTarget{Program::ListClock, Program::ListClock};
    case MenuItem::Settings:
        return SwitchTarget{Program::Settings, std::nullopt};
    case MenuItem::End:
        break;
    }
    return std::nullopt;
}

QString launcherPath(const QString& folder)
{
    return HandOver::withTrailingSeparator(folder) + HandOver::fileName(Program::Launcher);
}

MenuOutcome choose(MenuItem item, SettingsStore& store, ProgramStarter& starter,
                   const QString& folder)
{
    const std::optional<SwitchTarget> to = switchTarget(item);
    if (!to)
        return {true, std::nullopt};
    std::optional<StartFailure> failure =
        HandOver::handOver(store, starter, to->program, folder, to->kind);
    const bool started = !failure;
    return {started, std::move(failure)};
}

} // namespace DisplayMenu
