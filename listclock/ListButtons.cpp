#include "ListButtons.h"

namespace ListButtons {

const std::array<ListButtonEntry, 5>& table()
{
    static const std::array<ListButtonEntry, 5> buttons{{
        {ListButton::Change, QStringLiteral("imgChange"), 240, 0, 8, 9, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Settings")},
        {ListButton::End, QStringLiteral("imgend"), 360, 0, 2, 3, true,
         QT_TRANSLATE_NOOP("ClockButtons", "End")},
        {ListButton::DW, QStringLiteral("imgDW"), 6240, 0, 8, 9, false, nullptr},
        {ListButton::View, QStringLiteral("imgView"), 120, 0, 6, 7, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Show as a separate clock")},
        {ListButton::TitleCng, QStringLiteral("imgTitleCng"), 0, 0, 0, 1, true,
         QT_TRANSLATE_NOOP("ClockButtons", "Put into the title bar")},
    }};
    return buttons;
}

const ListButtonEntry& entry(ListButton id)
{
    return entryOf(table(), id);
}

std::optional<SwitchTarget> switchTarget(ListButton id)
{
    switch (id) {
    case ListButton::TitleCng:
        return SwitchTarget{SuiteProgram::TitleBarClock, 1};
    case ListButton::View:
        return SwitchTarget{SuiteProgram::PanelClock, 2};
    case ListButton::Change:
        return SwitchTarget{SuiteProgram::Settings, std::nullopt};
    case ListButton::End:
    case ListButton::DW:
        break;
    }
    return std::nullopt;
}

} // namespace ListButtons
