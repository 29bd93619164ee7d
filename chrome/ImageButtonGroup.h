#pragma once

#include "ButtonColors.h"
#include "ButtonPictures.h"

#include <QObject>
#include <vector>

class ImageButton;

// Ties a window's image buttons to the picture store and to its button table: pointer moves
// over a button give it its hover look, `ButtonColorReset` gives all their normal looks.
class ImageButtonGroup final : public QObject {
    Q_OBJECT
public:
    struct Member {
        ImageButton* button;
        int normal;
        int hover;
        ButtonColors::Hover rule = ButtonColors::Hover::ResetOthers;
    };

    // `members` in the order the window's `ButtonColorReset` assigns them. Every button starts
    // with its normal look.
    ImageButtonGroup(const ButtonPictures& pictures, std::vector<Member> members, QObject* parent);

    void ButtonColorReset() { m_colors.ButtonColorReset(); }
    const ButtonColors& colors() const { return m_colors; }

private:
    static std::vector<ImageButton*> buttonsOf(const std::vector<Member>& members);
    static std::vector<ButtonColors::Entry> tableOf(const std::vector<Member>& members);

    const ButtonPictures& m_pictures;
    std::vector<ImageButton*> m_buttons;
    ButtonColors m_colors;
};
