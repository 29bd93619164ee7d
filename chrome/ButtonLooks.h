#pragma once

#include "ButtonTable.h"

#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

// The looks of a window's image buttons, as a table of buttons with their normal and hover
// picture indexes. Each window gives its own table, in the order `resetAll` assigns
// the normal looks; a button may be marked so that its hover does not reset the others.
class ButtonLooks {
public:
    enum class Hover { ResetOthers, Alone };

    struct Entry {
        QString button; // objectName of the button
        int normal = 0;
        int hover = 1;
        Hover rule = Hover::ResetOthers;
    };

    // Called for every picture assignment, in order: the button's row in the table and the
    // picture index it now shows.
    using Assign = std::function<void(std::size_t button, int picture)>;

    ButtonLooks(std::vector<Entry> table, Assign assign);

    // The looks of a window's button table, row for row.
    template <typename Id, std::size_t N>
    static std::vector<Entry> tableOf(const ButtonTable<Id, N>& buttons)
    {
        std::vector<Entry> out;
        for (const ButtonEntry<Id>& b : buttons)
            out.push_back({b.name, b.normalLook, b.hoverLook,
                           b.resetsOthersOnHover ? Hover::ResetOthers : Hover::Alone});
        return out;
    }

    // Every button to its normal look, in table order, whether or not it shows it already.
    void resetAll();
    // The pointer moved over `button`: reset the others (unless its rule says not), then its
    // hover look. Unknown rows are ignored.
    void hover(std::size_t button);
    // The row of the button with that objectName, or the table size when there is none.
    std::size_t indexOf(const QString& button) const;

    int look(std::size_t button) const { return m_looks.at(button); }
    const std::vector<Entry>& table() const { return m_table; }

private:
    void set(std::size_t button, int picture);

    std::vector<Entry> m_table;
    Assign m_assign;
    std::vector<int> m_looks;
};
