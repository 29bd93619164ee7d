#include "WindowPlacer.h"

#include "Twips.h"
#include "platform/SizingFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Wholly on the application's screen that holds most of `r`.
QRect appOnScreens(const QRect& r)
{
    std::vector<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens())
        screens.push_back(s->geometry());
    return WindowPlacer::onScreen(r, WindowPlacer::screenFor(r, screens));
}

// How far apart two rectangles lie; 0 when they touch or overlap.
qint64 gap(const QRect& a, const QRect& b)
{
    const auto apart = [](int start1, int end1, int start2, int end2) {
        return qint64(std::max({0, start2 - end1, start1 - end2}));
    };
    const qint64 dx = apart(a.left(), a.right(), b.left(), b.right());
    const qint64 dy = apart(a.top(), a.bottom(), b.top(), b.bottom());
    return dx * dx + dy * dy;
}

int clampedStart(int start, int length, int screenStart, int screenLength)
{
    if (length >= screenLength)
        return screenStart;
    return std::clamp(start, screenStart, screenStart + screenLength - length);
}

} // namespace

WindowPlacer::WindowPlacer(QWidget& window) : QObject(&window), m_window(window)
{
    // A monitor that goes changes several screens at once: one look once they are all told.
    m_screensChanged.setSingleShot(true);
    m_screensChanged.setInterval(0);
    // The window manager may move the window too, from what it knew before: looked at again
    // once it has done so.
    connect(&m_screensChanged, &QTimer::timeout, this, [this] {
        keepOnScreen();
        for (const int ms : {250, 1000})
            QTimer::singleShot(ms, this, &WindowPlacer::keepOnScreen);
    });
    for (const QScreen* s : QGuiApplication::screens())
        watchScreen(s);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](const QScreen* s) {
        watchScreen(s);
        m_screensChanged.start();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, &m_screensChanged,
            qOverload<>(&QTimer::start));
}

void WindowPlacer::watchScreen(const QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, &m_screensChanged, qOverload<>(&QTimer::start));
    connect(screen, &QScreen::availableGeometryChanged, &m_screensChanged,
            qOverload<>(&QTimer::start));
}

void WindowPlacer::keepOnScreen()
{
    // Until it is first placed, opening puts it on a screen anyway.
    if (!m_placed || !m_window.isVisible())
        return;
    const QRect frame(movePoint(), m_window.frameGeometry().size());
    const QRect target = appOnScreens(frame);
    if (target == frame)
        return;
    // Wider than the screen that is left: the screen's width, as far as the window allows.
    if (target.width() != frame.width())
        m_window.resize(target.width() - (frame.width() - m_window.width()), m_window.height());
    moveFrameTo(target.topLeft());
}

QRect WindowPlacer::screenFor(const QRect& wanted, const std::vector<QRect>& screens)
{
    if (screens.empty())
        return wanted;
    const auto area = [&wanted](const QRect& s) {
        const QRect common = s.intersected(wanted);
        return qint64(common.width()) * common.height();
    };
    const auto most =
        std::max_element(screens.begin(), screens.end(),
                         [&](const QRect& a, const QRect& b) { return area(a) < area(b); });
    if (area(*most) > 0)
        return *most;
    // Saved on a screen that is gone: the nearest one left.
    return *std::min_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
        return gap(a, wanted) < gap(b, wanted);
    });
}

QRect WindowPlacer::onScreen(const QRect& wanted, const QRect& screen)
{
    if (screen.contains(wanted))
        return wanted;
    const int width = std::min(wanted.width(), screen.width());
    const int height = std::min(wanted.height(), screen.height());
    return {clampedStart(wanted.x(), width, screen.x(), screen.width()),
            clampedStart(wanted.y(), height, screen.y(), screen.height()), width, height};
}

void WindowPlacer::open(const WindowPlacement& stored, int heightPx, int minWidthPx)
{
    m_stored = stored;
    m_window.winId();
    // The decoration where it is known before showing (a window manager tells only later).
    const QSize decoration = m_window.frameGeometry().size() - m_window.geometry().size();
    const QSize size(std::max(Twips::toPixels(stored.width), minWidthPx), heightPx);
    const QRect wanted(QPoint(Twips::toPixels(stored.left), Twips::toPixels(stored.top)),
                       size + decoration);
    const QRect frame = appOnScreens(wanted);
    m_opened = QRect(frame.topLeft(), frame.size() - decoration);
    m_window.move(m_opened.topLeft());
    m_window.resize(m_opened.width(), heightPx);
    // Window managers differ in whether the point given to move() is where the frame or the
    // inside goes, before and after they know the decoration; once exposed, the frame is put
    // where it was asked.
    if (QWindow* handle = m_window.windowHandle())
        handle->installEventFilter(this);
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && !m_placed) {
        if (const QWindow* handle = m_window.windowHandle(); handle && handle->isExposed()) {
            m_placed = true;
            // The decoration is known now: the whole frame, not only the inside, goes on the
            // screen, or a window saved beyond the screen's edge keeps its border beyond it.
            const QSize decoration = m_window.frameGeometry().size() - m_window.geometry().size();
            const QRect frame(m_opened.topLeft(), m_opened.size() + decoration);
            m_opened.moveTopLeft(appOnScreens(frame).topLeft());
            moveFrameTo(m_opened.topLeft());
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacer::moveFrameTo(const QPoint& target)
{
    // Without a decoration nothing shifts Qt's coordinates: the window goes where it is asked.
    // Its origin read back from the window system is not needed then, and may be from before
    // the window manager placed it (KWin's XWayland exposes a window still at 0,0), which would
    // send it twice as far.
    const bool frameless = m_window.windowFlags().testFlag(Qt::FramelessWindowHint);
    const std::optional<QPoint> frame =
        frameless ? std::nullopt : SizingFrame::frameOrigin(&m_window);
    if (!frame) {
        if (m_window.pos() != target)
            m_window.move(target);
        return;
    }
    // Qt's own coordinates are shifted from the screen's by the decoration in a way only the
    // result shows: move by the difference.
    if (*frame != target)
        m_window.move(m_window.pos() + (target - *frame));
}

QPoint WindowPlacer::movePoint() const
{
    // Qt's pos() of a reparented window can be stale or relative to the frame.
    return SizingFrame::frameOrigin(&m_window).value_or(m_window.pos());
}

WindowPlacement WindowPlacer::closing() const
{
    // Each number stays as stored while the window shows it unchanged; twips between two
    // pixels would otherwise be rounded away at every close.
    const auto kept = [](float stored, int opened, int now) {
        return opened == now && Twips::toPixels(stored) == opened ? stored : Twips::fromPixels(now);
    };
    const QPoint at = movePoint();
    return {kept(m_stored.left, m_opened.x(), at.x()), kept(m_stored.top, m_opened.y(), at.y()),
            kept(m_stored.width, m_opened.width(), m_window.width())};
}
