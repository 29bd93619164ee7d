#pragma once

#include <QColor>
#include <QStringView>

class QImage;

// Where a title's text stands in its title bar.
enum class TitleAlignment { Left, Centre };

// What a window manager's default theme puts in a title bar, in title-bar heights so that it
// scales with the bar: the room its buttons take at the right end (up to the first button's
// left edge, and a little air), what stands left of a left-aligned title, and the title's place.
struct TitleBarTheme {
    double buttonRoom = 0;
    double leftRoom = 0;
    TitleAlignment alignment = TitleAlignment::Centre;
};

// The title-bar clock's look taken from the title bar it sits in, without a window: the theme
// of the window manager by its name, and colours read from the title bar's pixels.
namespace TitleBarStyle {

// The default theme of the window manager that calls itself `name` (its _NET_WM_NAME), or a
// generic one that clears three buttons of a square title bar.
TitleBarTheme themeOf(QStringView windowManager);

// The title bar's ground: the colour most of `ground`'s pixels have; invalid when the image is
// empty (the pixels could not be read).
QColor background(const QImage& ground);

// The title's text colour as `title` (pixels where the title stands) shows it on `background`:
// the most frequent of the colours far from the ground. Where there is no such text, black or
// white, whichever stands out more.
QColor text(const QImage& title, const QColor& background);

// Whether `image` is all one colour (a title bar's title would show in it).
bool plain(const QImage& image);

// Black on a light ground, white on a dark one.
QColor contrasting(const QColor& background);

} // namespace TitleBarStyle
