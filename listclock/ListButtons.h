#pragma once

#include "ButtonTable.h"

// The five image buttons of the list clock, all in the band at the top, and which program the
// three switch buttons hand over to.
enum class ListButton { TitleCng, View, Change, End, DW };

namespace ListButtons {

// In the order resetAll restores them: imgChange, imgend, imgDW, imgView, imgTitleCng.
const ButtonTable<ListButton, 5>& table();

} // namespace ListButtons
