#include "DisplayMenu.h"

namespace DisplayMenu {

namespace {

MenuEntry entry(MenuItem item)
{
    switch (item) {
    case MenuItem::TitleBarClock:
        return {item, QStringLiteral("actTitleBar"), QString::fromUtf8("タイトルバーの中に入れる")};
    case MenuItem::PanelClock:
        return {item, QStringLiteral("actPanel"), QString::fromUtf8("独立した時計で表示")};
    case MenuItem::ListClock:
        return {item, QStringLiteral("actList"), QString::fromUtf8("時差を絵で表示")};
    case MenuItem::Settings:
        return {item, QStringLiteral("actSettings"), QString::fromUtf8("環境設定")};
    case MenuItem::End:
        break;
    }
    return {MenuItem::End, QStringLiteral("actEnd"), QString::fromUtf8("終了")};
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
        return SwitchTarget{SuiteProgram::TitleBarClock, 0};
    case MenuItem::PanelClock:
        return SwitchTarget{SuiteProgram::PanelClock, 1};
    case MenuItem::ListClock:
        return SwitchTarget{SuiteProgram::ListClock, 2};
    case MenuItem::Settings:
        return SwitchTarget{SuiteProgram::Settings, std::nullopt};
    case MenuItem::End:
        break;
    }
    return std::nullopt;
}

QString launcherPath(const QString& folder)
{
    return HandOver::withTrailingSeparator(folder) + HandOver::fileName(SuiteProgram::Launcher);
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
