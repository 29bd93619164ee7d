#pragma once

#include "ButtonPictures.h"
#include "ImageButton.h"

#include <QImage>

// The picture store's index of what an image button shows, read from its pixels; -1 when it
// shows none of them (or a border: the button must be neither pressed nor focused).
inline int shownPicture(ImageButton* button)
{
    QImage shown(button->size(), QImage::Format_RGB32);
    button->render(&shown);
    for (int i = 0; i < ButtonPictures::kCount; ++i) {
        if (shown == ButtonPictures::paint(i))
            return i;
    }
    return -1;
}
