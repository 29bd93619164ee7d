#pragma once

#include "SettingsStore.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <optional>
#include <vector>

class QScreen;
class QWidget;

// One rule for every window that keeps its place in the store. It opens at the stored place,
// moved wholly onto a screen where it is not (a window wider than the screen gets the screen's
// width, its left edge on the screen). On closing it saves the stored twips unchanged where the
// window was neither moved nor resized, so opening and closing never changes the store, and its
// new place otherwise. While it shows, a change of the screens (a monitor unplugged, a lower
// resolution) moves it wholly onto one again by the same rule. Where the window is comes from
// the window system: Qt's pos() of a reparented window need not be the point that was given to
// move().
class WindowPlacer final : public QObject {
public:
    explicit WindowPlacer(QWidget& window);

    // The rectangle, in pixels, where a window wanted at `wanted` opens on `screen`: `wanted`
    // itself when it lies wholly on the screen.
    static QRect onScreen(const QRect& wanted, const QRect& screen);
    // Of `screens`, the one that holds most of `wanted`, or, when none holds any of it (it was
    // saved on a monitor that is gone), the nearest one.
    static QRect screenFor(const QRect& wanted, const std::vector<QRect>& screens);

    // Moves and sizes the window to the stored place (height and the smallest width as given).
    void open(const WindowPlacement& stored, int heightPx, int minWidthPx);

    // What to store on closing.
    WindowPlacement closing() const;

    // Where the window's frame (its decoration included) has its top left corner now.
    QPoint movePoint() const;
    // Puts the frame's top left corner there, whatever the window manager makes of move().
    void moveFrameTo(const QPoint& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchScreen(const QScreen* screen);
    // After the screens changed: the shown window's frame wholly on one of them.
    void keepOnScreen();

    QWidget& m_window;
    WindowPlacement m_stored;
    QRect m_opened;          // what was given to move() and resize()
    bool m_placed = false;   // first exposed
    QTimer m_screensChanged; // one look after a burst of screen changes
};
