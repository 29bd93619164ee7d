#pragma once

#include "HandOver.h"

#include <QString>
#include <array>
#include <optional>

// The five image buttons of the list clock: where they sit, which pictures of the store they
// show, and which program the three switch buttons hand over to.
enum class ListButton { TitleCng, View, Change, End, DW };

struct ListButtonEntry {
    ListButton id;
    QString name; // objectName: the control's name
    int left;     // twips; every button is at the top, 120 x 240
    int normalLook;
    int hoverLook;
    // The mode switch only lights itself up: another button keeps its hover look.
    bool resetsOthersOnHover;
    QString toolTip;
};

namespace ListButtons {

// In the order resetAll restores them: imgChange, imgend, imgDW, imgView, imgTitleCng.
const std::array<ListButtonEntry, 5>& table();
const ListButtonEntry& entry(ListButton id);

// The program a button switches to, or nothing for the exit and mode buttons.
std::optional<SwitchTarget> switchTarget(ListButton id);

} // namespace ListButtons
