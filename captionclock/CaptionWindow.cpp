#include "CaptionWindow.h"

#include "ClockLook.h"
#include "DisplayLabel.h"
#include "ElidedText.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "platform/ForegroundWindow.h"
#include "platform/ToolWindow.h"
#include "platform/TopMost.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <utility>

namespace {

// The title bar's own font, bold as title bars draw it.
QFont titleFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return font;
}

} // namespace

CaptionWindow::CaptionWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                             ForegroundWindow& foreground, QString programFolder)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_store(store), m_foreground(foreground),
      m_switch(store, starter, std::move(programFolder), *this, QStringLiteral("zelcaption")),
      m_caption(store, clock),
      m_dateLabel(new DisplayLabel("lblDate", ClockLook::dateHighlight(), this)),
      m_timeLabel(new DisplayLabel("lblTime", ClockLook::nightHighlight(), this)),
      m_placeLabel(new DisplayLabel("lblPlace", QColor(), this)), m_menu(new QMenu(this)),
      m_ticks(clock, store.filePath()),
      m_gap(Twips::toPixels(store.get(StoreKeys::CaptionGap, StoreReader::Clocks)))
{
    setObjectName(QStringLiteral("fCaption"));
    setWindowTitle(QStringLiteral("zelcaption"));
    // Shown and moved without ever being activated: the window underneath keeps the keyboard.
    ToolWindow::keepOffTaskbar(*this);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);

    // The active title bar's colours: Qt's nearest are the selection colours.
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::WindowText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    setAutoFillBackground(true);
    setFont(titleFont());

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(0);
    for (DisplayLabel* label : {m_dateLabel, m_timeLabel, m_placeLabel}) {
        label->setFrameShape(QFrame::NoFrame); // a caption, not a panel of boxes
        // The whole clock is one handle: a press anywhere on it drags it along the title bar.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setFont(font());
        label->setPalette(p);
        row->addWidget(label);
    }
    m_placeLabel->elideBeyond(Twips::toPixels(ElidedText::kNameRoomTwips));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_menu->setObjectName(QStringLiteral("captionMenu"));
    m_switch.fillMenu(*m_menu, Program::TitleBarClock, [this] { end(); });

    TopMost::keepOnTop(*this);
    connect(&m_ticks, &TickTimer::tick, this, &CaptionWindow::onTick);
    m_ticks.setNextDue([this] { return m_caption.rotation().nextRotationAt(); });
    m_followsEvents = m_foreground.watch([this] { followTitleBar(); });
    // Without the window system's word, following means asking every 100 ms.
    m_ticks.setPolling(!m_followsEvents);
    m_caption.start();
    onTick();
    m_ticks.start();
}

CaptionWindow::~CaptionWindow() = default;

void CaptionWindow::onTick()
{
    const RowText row = m_caption.onTick();
    bool changed = m_dateLabel->display(row.date, row.dateHighlight);
    changed = m_timeLabel->display(row.time, row.nightHighlight) || changed;
    changed = m_placeLabel->display(row.place, false) || changed;
    // The size follows the texts; laid out again only when one of them changed, and then the
    // place in the title bar with it.
    if (changed)
        adjustSize();
    if (changed || !m_followsEvents || !isVisible())
        followTitleBar();
}

void CaptionWindow::followTitleBar()
{
    if (m_menu->isVisible() || m_grab)
        return; // the menu belongs to where the clock was clicked; a drag to the pointer
    m_frame = m_foreground.frameUnlessOwn(*this);
    const std::optional<QPoint> at = CaptionClock::placeIn(m_frame, frameGeometry().size(), m_gap);
    if (!at) {
        hide();
        return;
    }
    if (*at != pos())
        move(*at);
    if (!isVisible())
        show();
}

void CaptionWindow::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}

void CaptionWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_frame)
        m_grab = int(event->globalPosition().x()) - x();
}

void CaptionWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_grab || !m_frame || !(event->buttons() & Qt::LeftButton))
        return;
    const int width = frameGeometry().width();
    const int left =
        CaptionClock::leftOnTitleBar(*m_frame, int(event->globalPosition().x()) - *m_grab, width);
    // The height from the title bar too, never from where the window system last put the clock.
    if (const std::optional<QPoint> at = CaptionClock::placeIn(
            m_frame, frameGeometry().size(), CaptionClock::gapAt(*m_frame, left, width)))
        move(*at);
}

void CaptionWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_grab)
        return;
    m_grab.reset();
    m_gap = CaptionClock::gapAt(*m_frame, x(), frameGeometry().width());
    m_store.set(StoreKeys::CaptionGap, Twips::fromPixels(m_gap));
    followTitleBar(); // at once, not at the next tick
}

void CaptionWindow::end()
{
    hide();
    emit ended();
}
