#include "ButtonLooks.h"

#include <utility>

ButtonLooks::ButtonLooks(std::vector<Entry> table, Assign assign)
    : m_table(std::move(table)), m_assign(std::move(assign)), m_looks(m_table.size(), -1)
{
}

void ButtonLooks::set(std::size_t button, int picture)
{
    m_looks[button] = picture;
    if (m_assign)
        m_assign(button, picture);
}

void ButtonLooks::resetAll()
{
    for (std::size_t i = 0; i < m_table.size(); ++i)
        set(i, m_table[i].normal);
}

void ButtonLooks::hover(std::size_t button)
{
    if (button >= m_table.size())
        return;
    if (m_table[button].rule == Hover::ResetOthers)
        resetAll();
    set(button, m_table[button].hover);
}

std::size_t ButtonLooks::indexOf(const QString& button) const
{
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        if (m_table[i].button == button)
            return i;
    }
    return m_table.size();
}
