#include "DrawnFrame.h"

#include "ClockLook.h"
#include "WindowDrag.h"

#include <QChildEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

// The border line, drawn over whatever lies at the window's edge; the pointer goes through it.
class BorderLine final : public QWidget {
public:
    explicit BorderLine(QWidget* window) : QWidget(window)
    {
        setObjectName(QStringLiteral("frameBorder"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(ClockLook::border(), DrawnFrame::kBorder));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -DrawnFrame::kBorder, -DrawnFrame::kBorder));
    }
};

// An invisible strip along one side edge: the resize cursor, and a press resizes by that edge.
class EdgeGrip final : public QWidget {
public:
    EdgeGrip(QWidget* window, Qt::Edge edge) : QWidget(window), m_edge(edge)
    {
        setObjectName(edge == Qt::LeftEdge ? QStringLiteral("frameLeft")
                                           : QStringLiteral("frameRight"));
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        startWindowResize(this, m_edge, event->buttons());
        event->accept();
    }

private:
    Qt::Edge m_edge;
};

} // namespace

DrawnFrame::DrawnFrame(QWidget& window)
    : QObject(&window), m_window(window), m_border(new BorderLine(&window)),
      m_left(new EdgeGrip(&window, Qt::LeftEdge)), m_right(new EdgeGrip(&window, Qt::RightEdge))
{
    window.installEventFilter(this);
    fit();
}

void DrawnFrame::fit()
{
    const QRect r = m_window.rect();
    m_border->setGeometry(r);
    m_left->setGeometry(0, 0, kGrip, r.height());
    m_right->setGeometry(r.width() - kGrip, 0, kGrip, r.height());
}

void DrawnFrame::raiseAll()
{
    for (QWidget* w : {m_border, m_left, m_right})
        w->raise();
}

bool DrawnFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Resize:
            fit();
            break;
        case QEvent::ChildAdded:
        case QEvent::Show:
            // Controls made after the frame would lie above it.
            raiseAll();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
