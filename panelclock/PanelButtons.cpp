#include "PanelButtons.h"

namespace PanelButtons {

const std::array<PanelButtonEntry, 5>& table()
{
    static const std::array<PanelButtonEntry, 5> buttons{{
        {PanelButton::Change, QStringLiteral("imgChange"), 240, 10, 8, 9, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Settings")},
        {PanelButton::End, QStringLiteral("imgend"), 480, 15, 2, 3, true,
         QT_TRANSLATE_NOOP("ClockButtons", "End")},
        {PanelButton::Follow, QStringLiteral("imgMinimize"), 360, 15, 4, 5, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Stop following the title bar")},
        {PanelButton::View, QStringLiteral("imgView"), 120, 10, 6, 7, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Show time differences as a picture")},
        {PanelButton::TitleCng, QStringLiteral("imgTitleCng"), 0, 10, 0, 1, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Put into the title bar")},
    }};
    return buttons;
}

const PanelButtonEntry& entry(PanelButton id)
{
    return entryOf(table(), id);
}

std::optional<SwitchTarget> switchTarget(PanelButton id)
{
    switch (id) {
    case PanelButton::TitleCng:
        return SwitchTarget{SuiteProgram::TitleBarClock, 1};
    case PanelButton::View:
        return SwitchTarget{SuiteProgram::ListClock, std::nullopt};
    case PanelButton::Change:
        return SwitchTarget{SuiteProgram::Settings, std::nullopt};
    case PanelButton::Follow:
    case PanelButton::End:
        break;
    }
    return std::nullopt;
}

} // namespace PanelButtons
