#pragma once

#include <QObject>

class QWidget;

// The frame a clock window draws itself instead of asking the window manager for one: window
// managers make a request for "a border only" into anything from a thin line to a whole title
// bar, so the window asks for no decoration at all and measures the same under every one. A
// one-pixel border is drawn over the window's edge, above its controls, and the left and right
// edges are handles that resize the window through the window system's own resize, which keeps
// to the window's fixed height: the window can be made wider, never taller.
class DrawnFrame final : public QObject {
public:
    // Lives as long as `window`, which must be a top-level window without decoration.
    explicit DrawnFrame(QWidget& window);

    static constexpr int kBorder = 1;
    // How far in from the left and right edges a press resizes: wide enough to be found, narrow
    // enough to leave the controls at the edges their clicks.
    static constexpr int kGrip = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    void raiseAll();

    QWidget& m_window;
    QWidget* m_border;
    QWidget* m_left;
    QWidget* m_right;
};
