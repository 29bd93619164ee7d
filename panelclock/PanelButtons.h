#pragma once

#include "HandOver.h"

#include <optional>

// The panel's five image buttons and what each click does beyond the window.
enum class PanelButton { TitleCng, View, Change, Follow, End };

// The program a button switches to, or nothing for the follow toggle and the end button. Only
// the switch to the title-bar clock writes "Kind", and it writes 1.
constexpr std::optional<SwitchTarget> panelSwitch(PanelButton button)
{
    switch (button) {
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
