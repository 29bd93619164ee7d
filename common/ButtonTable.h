#pragma once

#include "HandOver.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <array>
#include <optional>

// One image button of a clock window's button table: where it sits, which pictures of the
// picture store it shows, its tool tip, in English, marked for translation in the context
// "ClockButtons" that the clocks' menus share, and the program a click hands over to. Each
// window keeps its table in the order its resetAll gives the buttons their normal looks.
// Window-free, so that a clock's logic reads the same table as its window.
template <typename Id> struct ButtonEntry {
    Id id;
    QString name; // objectName: the control's name
    int left;     // twips; every button is 120 x 240
    int top;
    int normalLook;
    int hoverLook;
    // A button whose hover leaves the others' looks alone lights up only itself.
    bool resetsOthersOnHover;
    const char* toolTip; // nullptr for none
    // The program a click hands over to; nothing for a button that acts in its own window.
    std::optional<SwitchTarget> switchTo{};
};

template <typename Id, std::size_t N> using ButtonTable = std::array<ButtonEntry<Id>, N>;

// The tool tip in the user's language.
template <typename Id> QString toolTipOf(const ButtonEntry<Id>& entry)
{
    return entry.toolTip != nullptr ? QCoreApplication::translate("ClockButtons", entry.toolTip)
                                    : QString();
}

// The row of `id`; every id of a window has exactly one row.
template <typename Id, std::size_t N>
const ButtonEntry<Id>& entryOf(const ButtonTable<Id, N>& table, Id id)
{
    return *std::find_if(table.begin(), table.end(),
                         [id](const ButtonEntry<Id>& e) { return e.id == id; });
}
