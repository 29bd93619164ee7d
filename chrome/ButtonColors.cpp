#include "ButtonColors.h"

#include <utility>

ButtonColors::ButtonColors(std::vector<Entry> table, Assign assign)
    : m_table(std::move(table)), m_assign(std::move(assign)), m_looks(m_table.size(), -1)
{
}

void ButtonColors::set(std::size_t button, int picture)
{
    m_looks[button] = picture;
    if (m_assign)
        m_assign(button, picture);
}

void ButtonColors::ButtonColorReset()
{
    for (std::size_t i = 0; i < m_table.size(); ++i)
        set(i, m_table[i].normal);
}

void ButtonColors::hover(std::size_t button)
{
    if (button >= m_table.size())
        return;
    if (m_table[button].rule == Hover::ResetOthers)
        ButtonColorReset();
    set(button, m_table[button].hover);
}

std::size_t ButtonColors::indexOf(const QString& button) const
{
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        if (m_table[i].button == button)
            return i;
    }
    return m_table.size();
}
