#include "PanelButtons.h"

namespace PanelButtons {

const std::array<PanelButtonEntry, 5>& table()
{
    static const std::array<PanelButtonEntry, 5> buttons{{
        {PanelButton::Change, QStringLiteral("imgChange"), 240, 10, 8, 9, true,
         QStringLiteral("環境設定")},
        {PanelButton::End, QStringLiteral("imgend"), 480, 15, 2, 3, true, QStringLiteral("終了")},
        {PanelButton::Follow, QStringLiteral("imgMinimize"), 360, 15, 4, 5, true,
         QStringLiteral("タイトルバーを追わない")},
        {PanelButton::View, QStringLiteral("imgView"), 120, 10, 6, 7, true,
         QStringLiteral("時差を絵で表示")},
        {PanelButton::TitleCng, QStringLiteral("imgTitleCng"), 0, 10, 0, 1, true,
         QStringLiteral("タイトルバーの中に入れる")},
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
