#include "WindowDrag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Pointer-following move for platforms without a system move: lives until the button goes up.
class PointerFollower final : public QObject {
public:
    explicit PointerFollower(QWidget* window)
        : QObject(window), m_window(window), m_offset(QCursor::pos() - window->pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (m_window.isNull())
            return false;
        if (event->type() == QEvent::MouseMove) {
            m_window->move(QCursor::pos() - m_offset);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QPoint m_offset;
};

} // namespace

void startWindowDrag(QWidget* widget, Qt::MouseButtons buttons)
{
    if (widget == nullptr || !(buttons & Qt::LeftButton))
        return;
    QWidget* window = widget->window();
    // Not findChild: without its own meta-object a PointerFollower would match any child.
    for (const QObject* child : window->children()) {
        if (dynamic_cast<const PointerFollower*>(child) != nullptr)
            return; // already following
    }
    QWindow* handle = window->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        // The window system takes the pointer and the button's release with it; end the
        // toolkit's press here, or the next click would still go to the widget pressed now.
        const QPointF global = QCursor::pos();
        QMouseEvent release(QEvent::MouseButtonRelease, handle->mapFromGlobal(global), global,
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &release);
        return;
    }
    new PointerFollower(window); // owned by the window, gone at button release
}
