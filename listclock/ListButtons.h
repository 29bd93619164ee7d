#pragma once

#include "ButtonEntry.h"
#include "HandOver.h"

#include <array>
#include <optional>

// The five image buttons of the list clock, all in the band at the top, and which program the
// three switch buttons hand over to.
enum class ListButton { TitleCng, View, Change, End, DW };

using ListButtonEntry = ButtonEntry<ListButton>;

namespace ListButtons {

// In the order resetAll restores them: imgChange, imgend, imgDW, imgView, imgTitleCng.
const std::array<ListButtonEntry, 5>& table();
const ListButtonEntry& entry(ListButton id);

// The program a button switches to, or nothing for the exit and mode buttons.
std::optional<SwitchTarget> switchTarget(ListButton id);

} // namespace ListButtons
