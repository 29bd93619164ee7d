#include "ListButtons.h"

namespace ListButtons {

const ButtonTable<ListButton, 5>& table()
{
    static const ButtonTable<ListButton, 5> buttons{{
        {ListButton::Change, QStringLiteral("imgChange"), 240, 0, 8, 9, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Settings"),
         SwitchTarget{SuiteProgram::Settings, std::nullopt}},
        {ListButton::End, QStringLiteral("imgend"), 360, 0, 2, 3, true,
         QT_TRANSLATE_NOOP("ClockButtons", "End")},
        {ListButton::DW, QStringLiteral("imgDW"), 6240, 0, 8, 9, false, nullptr},
        {ListButton::View, QStringLiteral("imgView"), 120, 0, 6, 7, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Show as a separate clock"),
         SwitchTarget{SuiteProgram::PanelClock, DisplayKind::ListClock}},
        {ListButton::TitleCng, QStringLiteral("imgTitleCng"), 0, 0, 0, 1, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Put into the title bar"),
         SwitchTarget{SuiteProgram::TitleBarClock, DisplayKind::PanelClock}},
    }};
    return buttons;
}

} // namespace ListButtons
