#pragma once

#include "ButtonEntry.h"
#include "HandOver.h"

#include <array>
#include <optional>

// The panel's five image buttons and what each click does beyond the window.
enum class PanelButton { TitleCng, View, Change, Follow, End };

using PanelButtonEntry = ButtonEntry<PanelButton>;

namespace PanelButtons {

// In the order resetAll restores them: imgChange, imgend, imgMinimize, imgView, imgTitleCng.
// The follow button's tool tip here is the one it has at every start.
const std::array<PanelButtonEntry, 5>& table();
const PanelButtonEntry& entry(PanelButton id);

// The program a button switches to, or nothing for the follow toggle and the end button. Only
// the switch to the title-bar clock writes "Kind", and it writes 1.
std::optional<SwitchTarget> switchTarget(PanelButton id);

} // namespace PanelButtons
