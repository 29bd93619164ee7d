#include "PanelButtons.h"

namespace PanelButtons {

const ButtonTable<PanelButton, 5>& table()
{
    static const ButtonTable<PanelButton, 5> buttons{{
        {PanelButton::Change, QStringLiteral("imgChange"), 240, 10, 8, 9, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Settings"),
         SwitchTarget{Program::Settings, std::nullopt}},
        {PanelButton::End, QStringLiteral("imgend"), 480, 15, 2, 3, true,
         QT_TRANSLATE_NOOP("ClockButtons", "End")},
        {PanelButton::Follow, QStringLiteral("imgMinimize"), 360, 15, 4, 5, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Stop following the title bar")},
        {PanelButton::View, QStringLiteral("imgView"), 120, 10, 6, 7, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Show time differences as a picture"),
         SwitchTarget{Program::ListClock, std::nullopt}},
        {PanelButton::TitleCng, QStringLiteral("imgTitleCng"), 0, 10, 0, 1, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Put into the title bar"),
         // "Kind" 1, not the title-bar clock's 0: what this switch has always stored, and what
         // the launcher and existing stores go by. Not a slip; keep it.
         SwitchTarget{Program::TitleBarClock, Program::PanelClock}},
    }};
    return buttons;
}

} // namespace PanelButtons
