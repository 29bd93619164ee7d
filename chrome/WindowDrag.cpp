#include "WindowDrag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace {

// Pointer-following move or resize for platforms without the system's own: lives until the
// button goes up.
class PointerFollower final : public QObject {
public:
    // No edge: the whole window moves.
    PointerFollower(QWidget* window, std::optional<Qt::Edge> edge)
        : QObject(window), m_window(window), m_edge(edge), m_start(QCursor::pos()),
          m_pos(window->pos()), m_geometry(window->geometry())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (m_window.isNull())
            return false;
        if (event->type() == QEvent::MouseMove) {
            follow(QCursor::pos() - m_start);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    void follow(const QPoint& by)
    {
        if (!m_edge) {
            m_window->move(m_pos + by);
            return;
        }
        const int min = m_window->minimumWidth();
        const int max = m_window->maximumWidth();
        if (*m_edge == Qt::RightEdge) {
            m_window->resize(std::clamp(m_geometry.width() + by.x(), min, max), m_window->height());
        } else {
            const int width = std::clamp(m_geometry.width() - by.x(), min, max);
            m_window->setGeometry(m_geometry.right() + 1 - width, m_geometry.y(), width,
                                  m_window->height());
        }
    }

    QPointer<QWidget> m_window;
    std::optional<Qt::Edge> m_edge;
    QPoint m_start;
    QPoint m_pos;     // what move() takes: the frame's corner
    QRect m_geometry; // the inside
};

// The top-level window of `widget` when the left button is held and no move or resize of the
// pointer's own runs already.
QWidget* windowToFollow(QWidget* widget, Qt::MouseButtons buttons)
{
    if (widget == nullptr || !(buttons & Qt::LeftButton))
        return nullptr;
    QWidget* window = widget->window();
    // Not findChild: without its own meta-object a PointerFollower would match any child.
    for (const QObject* child : window->children()) {
        if (dynamic_cast<const PointerFollower*>(child) != nullptr)
            return nullptr; // already following
    }
    return window;
}

// The window system takes the pointer and the button's release with it; end the toolkit's
// press here, or the next click would still go to the widget pressed now.
void endToolkitPress(QWindow* handle)
{
    const QPointF global = QCursor::pos();
    QMouseEvent release(QEvent::MouseButtonRelease, handle->mapFromGlobal(global), global,
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &release);
}

} // namespace

void startWindowDrag(QWidget* widget, Qt::MouseButtons buttons)
{
    QWidget* window = windowToFollow(widget, buttons);
    if (window == nullptr)
        return;
    QWindow* handle = window->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        endToolkitPress(handle);
        return;
    }
    new PointerFollower(window, std::nullopt); // owned by the window, gone at button release
}

void startWindowResize(QWidget* widget, Qt::Edge edge, Qt::MouseButtons buttons)
{
    QWidget* window = windowToFollow(widget, buttons);
    if (window == nullptr)
        return;
    QWindow* handle = window->windowHandle();
    if (handle != nullptr && handle->startSystemResize(edge)) {
        endToolkitPress(handle);
        return;
    }
    new PointerFollower(window, edge);
}
