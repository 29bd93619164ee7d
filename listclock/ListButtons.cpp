#include "ListButtons.h"

namespace ListButtons {

const std::array<ListButtonEntry, 5>& table()
{
    static const std::array<ListButtonEntry, 5> buttons{{
        {ListButton::Change, QStringLiteral("imgChange"), 240, 0, 8, 9, true,
         QStringLiteral("環境設定")},
        {ListButton::End, QStringLiteral("imgend"), 360, 0, 2, 3, true, QStringLiteral("終了")},
        {ListButton::DW, QStringLiteral("imgDW"), 6240, 0, 8, 9, false, QString()},
        {ListButton::View, QStringLiteral("imgView"), 120, 0, 6, 7, true,
         QStringLiteral("独立した時計で表示")},
        {ListButton::TitleCng, QStringLiteral("imgTitleCng"), 0, 0, 0, 1, true,
         QStringLiteral("タイトルバーの中に入れる")},
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
