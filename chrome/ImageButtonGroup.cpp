#include "ImageButtonGroup.h"

#include "ImageButton.h"

ImageButtonGroup::ImageButtonGroup(const ButtonPictures& pictures,
                                   const std::vector<Member>& members, QObject* parent)
    : ImageButtonGroup(pictures, buttonsOf(members), tableOf(members), parent)
{
}

ImageButtonGroup::ImageButtonGroup(const ButtonPictures& pictures,
                                   std::vector<ImageButton*> buttons,
                                   std::vector<ButtonLooks::Entry> table, QObject* parent)
    : QObject(parent), m_pictures(pictures), m_buttons(std::move(buttons)),
      m_looks(std::move(table), [this](std::size_t i, int picture) {
          m_buttons[i]->setPicture(m_pictures.at(picture));
      })
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        connect(m_buttons[i], &ImageButton::mouseMoved, this,
                [this, i](Qt::MouseButtons) { m_looks.hover(i); });
    }
    m_looks.resetAll();
}

std::vector<ImageButton*> ImageButtonGroup::buttonsOf(const std::vector<Member>& members)
{
    std::vector<ImageButton*> buttons;
    buttons.reserve(members.size());
    for (const Member& m : members)
        buttons.push_back(m.button);
    return buttons;
}

std::vector<ButtonLooks::Entry> ImageButtonGroup::tableOf(const std::vector<Member>& members)
{
    std::vector<ButtonLooks::Entry> table;
    table.reserve(members.size());
    for (const Member& m : members)
        table.push_back({m.button->objectName(), m.normal, m.hover, m.rule});
    return table;
}
