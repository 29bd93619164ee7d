#pragma once

#include "ButtonTable.h"

// The panel's five image buttons and what each click does beyond the window.
enum class PanelButton { TitleCng, View, Change, Follow, End };

namespace PanelButtons {

// In the order resetAll restores them: imgChange, imgend, imgMinimize, imgView, imgTitleCng.
// The follow button's tool tip here is the one it has at every start. Only the switch to the
// title-bar clock writes "Kind", and it writes 1.
const ButtonTable<PanelButton, 5>& table();

} // namespace PanelButtons
