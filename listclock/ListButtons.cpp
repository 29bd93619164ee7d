#include "ListButtons.h"

namespace ListButtons {

const ButtonTable<ListButton, 5>& table()
{
    static const ButtonTable<ListButton, 5> buttons{{
        {ListButton::Change, QStringLiteral("imgChange"), 240, 0, 8, 9, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Settings"),
         SwitchTarget{Program::Settings, std::nullopt}},
        {ListButton::End, QStringLiteral("imgend"), 360, 0, 2, 3, true,
         QT_TRANSLATE_NOOP("ClockButtons", "End")},
        {ListButton::DW, QStringLiteral("imgDW"), 6240, 0, 8, 9, false, nullptr},
        {ListButton::View, QStringLiteral("imgView"), 120, 0, 6, 7, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Show as a separate clock"),
         // "Kind" 2 (this list clock), not the panel clock's 1: what this switch has always
         // stored, and what the launcher and existing stores go by. Not a slip; keep it.
         SwitchTarget{Program::PanelClock, Program::ListClock}},
        {ListButton::TitleCng, QStringLiteral("imgTitleCng"), 0, 0, 0, 1, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Put into the title bar"),
         // "Kind" 1, not the title-bar clock's 0, for the same reason.
         SwitchTarget{Program::TitleBarClock, Program::PanelClock}},
    }};
    return buttons;
}

} // namespace ListButtons
