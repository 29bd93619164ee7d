#pragma once

#include "ButtonLooks.h"
#include "ButtonPictures.h"

#include <QObject>
#include <vector>

class ImageButton;

// Ties a window's image buttons to the picture store and to its button table: pointer moves
// over a button give it its hover look, `resetAll` gives all their normal looks.
class ImageButtonGroup final : public QObject {
    Q_OBJECT
public:
    struct Member {
        ImageButton* button;
        int normal;
        int hover;
        ButtonLooks::Hover rule = ButtonLooks::Hover::ResetOthers;
    };

    // `members` in the order the window's `resetAll` assigns them. Every button starts
    // with its normal look.
    ImageButtonGroup(const ButtonPictures& pictures, const std::vector<Member>& members,
                     QObject* parent);
    // `buttons[i]` has the looks of `table[i]`.
    ImageButtonGroup(const ButtonPictures& pictures, std::vector<ImageButton*> buttons,
                     std::vector<ButtonLooks::Entry> table, QObject* parent);

    void resetAll() { m_looks.resetAll(); }

private:
    static std::vector<ImageButton*> buttonsOf(const std::vector<Member>& members);
    static std::vector<ButtonLooks::Entry> tableOf(const std::vector<Member>& members);

    const ButtonPictures& m_pictures;
    std::vector<ImageButton*> m_buttons;
    ButtonLooks m_looks;
};
