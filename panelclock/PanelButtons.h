#pragma once

#include "HandOver.h"

#include <optional>

// The panel's five image buttons and what each click does beyond the window.
enum class PanelButton { TitleCng, View, Change, Minimize, End };

struct PanelSwitch {
    SuiteProgram program;
    std::optional<int> kind; // written after "Start" when present
    bool operator==(const PanelSwitch&) const = default;
};

// The program a button switches to, or nothing for the follow toggle and the end button. Only
// the switch to the title-bar clock writes "Kind", and it writes 1.
constexpr std::optional<PanelSwitch> panelSwitch(PanelButton button)
{
    switch (button) {
    case PanelButton::TitleCng:
        return PanelSwitch{SuiteProgram::TitleBarClock, 1};
    case PanelButton::View:
        return PanelSwitch{SuiteProgram::ListClock, std::nullopt};
    case PanelButton::Change:
        return PanelSwitch{SuiteProgram::Settings, std::nullopt};
    case PanelButton::Minimize:
    case PanelButton::End:
        break;
    }
    return std::nullopt;
}
