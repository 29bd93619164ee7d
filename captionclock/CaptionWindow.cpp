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
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Pixels between the clock's text and its edges.
constexpr int kMarginX = 2;
constexpr int kMarginY = 1;
// Smaller than this a clock cannot be read; a title bar that low gets it all the same.
constexpr int kLeastPixelSize = 6;
// How far left of the clock the title bar's ground is read, clear of its own edge.
constexpr int kGroundOffset = 4;
// A window manager draws a newly followed title bar after the clock has moved: read it then.
constexpr int kDrawnMs = 150;

// The most a place name takes in any display; a title bar may leave it less.
int nameRoom()
{
    return Twips::toPixels(ElidedText::kNameRoomTwips);
}

// The title bar's own font, bold as title bars draw it.
QFont titleFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    font.setPixelSize(QFontInfo(font).pixelSize());
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
      m_ticks(clock, store.filePath())
{
    if (const std::optional<QString> gap = store.text(StoreKeys::CaptionGap)) {
        if (const std::optional<float> twips = SettingsStore::toFloat(*gap); twips && *twips >= 0)
            m_gap = Twips::toPixels(*twips);
    }
    setObjectName(QStringLiteral("fCaption"));
    setWindowTitle(QStringLiteral("zelcaption"));
    // Shown and moved without ever being activated: the window underneath keeps the keyboard.
    ToolWindow::keepOffTaskbar(*this);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);

    // With a compositor the title bar shows through and only the text is drawn; otherwise the
    // ground is painted in the title bar's colour, read from it once the clock stands there.
    m_compositing = m_foreground.compositing();
    setAttribute(Qt::WA_TranslucentBackground, m_compositing);
    setAutoFillBackground(!m_compositing);
    setFont(titleFont());
    m_lookAgain.setSingleShot(true);
    m_lookAgain.setInterval(kDrawnMs);
    connect(&m_lookAgain, &QTimer::timeout, this, &CaptionWindow::takeColours);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(kMarginX, kMarginY, kMarginX, kMarginY);
    row->setSpacing(0);
    for (DisplayLabel* label : {m_dateLabel, m_timeLabel, m_placeLabel}) {
        label->setFrameShape(QFrame::NoFrame); // a caption, not a panel of boxes
        // The whole clock is one handle: a press anywhere on it drags it along the title bar.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setFont(font());
        row->addWidget(label);
    }
    m_placeLabel->elideBeyond(nameRoom());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    showColours();

    m_menu->setObjectName(QStringLiteral("captionMenu"));
    m_switch.fillMenu(*m_menu, Program::TitleBarClock, [this] { end(); });

    TopMost::keepOnTop(*this);
    connect(&m_ticks, &TickTimer::tick, this, &CaptionWindow::onTick);
    m_ticks.setNextDue([this] { return m_caption.rotation().nextDue(); });
    m_followsEvents = m_foreground.watch([this] {
        if (m_caption.setFront(m_foreground.frontNames(*this)))
            onTick(); // which follows the title bar too
        else
            followTitleBar();
    });
    // Without the window system's word, following means asking every 100 ms.
    m_ticks.setPolling(!m_followsEvents);
    m_caption.start();
    onTick();
    m_ticks.start();
}

CaptionWindow::~CaptionWindow() = default;

void CaptionWindow::onTick()
{
    m_caption.setFront(m_foreground.frontNames(*this));
    const RowText row = m_caption.onTick();
    bool changed = m_dateLabel->display(row.date, row.dateHighlight);
    changed = m_timeLabel->display(row.time, row.nightHighlight) || changed;
    changed = m_placeLabel->display(row.place, false) || changed;
    m_place = row.place;
    // The size follows the texts; laid out again only when one of them changed, and then the
    // place in the title bar with it.
    if (changed) {
        adjustSize();
        m_placeWidth = -1;
        // A highlight may have come or gone; and the title bar is read again, in case the window
        // manager had not drawn it yet when the clock came.
        takeColours();
        showColours();
    }
    if (changed || !m_followsEvents || !isVisible())
        followTitleBar();
}

void CaptionWindow::followTitleBar()
{
    if (m_menu->isVisible() || m_grab)
        return; // the menu belongs to where the clock was clicked; a drag to the pointer
    const std::optional<WindowRect> frame = m_foreground.frameUnlessOwn(*this);
    const std::optional<TitleBar> bar = frame ? m_foreground.titleBar() : std::nullopt;
    // A window without a title bar has nothing to sit in.
    if (!bar || bar->height <= 0) {
        m_frame.reset();
        hide();
        return;
    }
    const bool newBar = bar != m_bar || frame != m_frame;
    if (bar != m_bar)
        takeTitleBar(*bar);
    m_frame = frame;
    const int gap = m_gap.value_or(CaptionClock::buttonGap(m_theme, bar->height));
    const CaptionClock::Measure clock = measure();
    const std::optional<CaptionClock::Fit> fit =
        CaptionClock::fitIn(m_frame, bar->height, clock, gap, m_theme);
    if (!fit) {
        hide();
        return;
    }
    if (fit->placeWidth != m_placeWidth) {
        m_placeWidth = fit->placeWidth;
        // The whole name where it fits: its own width, measured as the label measures it.
        m_placeLabel->elideBeyond(m_placeWidth < clock.placeWidth ? m_placeWidth : nameRoom());
        adjustSize();
    }
    // The right end exactly at the kept gap, whatever the laid-out width.
    const QPoint at(m_frame->right - fit->gap - frameGeometry().width(), fit->topLeft.y());
    if (at != pos())
        move(at);
    if (!isVisible())
        show();
    if (newBar)
        m_lookAgain.start();
}

void CaptionWindow::takeTitleBar(const TitleBar& bar)
{
    if (!m_bar || m_bar->height != bar.height) {
        // The title font, smaller where the bar is lower, with a little air above and below.
        const int room = bar.height - 2 * (kMarginY + bar.height / 10);
        QFont font = titleFont();
        for (int size = font.pixelSize(); size >= kLeastPixelSize; --size) {
            font.setPixelSize(size);
            m_timeLabel->setFont(font);
            if (m_timeLabel->sizeHint().height() <= room)
                break;
        }
        setFont(font);
        for (DisplayLabel* label : {m_dateLabel, m_timeLabel, m_placeLabel})
            label->setFont(font);
        m_placeWidth = -1;
    }
    m_titleWidth = QFontMetrics(font()).horizontalAdvance(bar.title);
    m_theme = TitleBarStyle::themeOf(m_foreground.windowManagerName());
    m_bar = bar;
}

CaptionClock::Measure CaptionWindow::measure() const
{
    const QFontMetrics metrics(font());
    return {.height = m_timeLabel->sizeHint().height() + 2 * kMarginY,
            .fixedWidth =
                m_dateLabel->sizeHint().width() + m_timeLabel->sizeHint().width() + 2 * kMarginX,
            .placeWidth = std::min(metrics.horizontalAdvance(m_place), nameRoom()),
            .leastPlaceWidth = metrics.horizontalAdvance(QStringLiteral("…")),
            .titleWidth = m_titleWidth};
}

void CaptionWindow::takeColours()
{
    if (!m_frame || !m_bar || !isVisible())
        return;
    const int left = x() - m_frame->left;
    // The bar's pixels at the clock's height just left of it, which a gradient may shade row by
    // row: the clock's ground repeats them across.
    const QImage column =
        m_foreground.titleBarPixels(QRect(left - kGroundOffset, y() - m_frame->top, 1, height()));
    QColor back = TitleBarStyle::background(column);
    const int width = m_frame->right - m_frame->left;
    const int titleLeft = m_theme.alignment == TitleAlignment::Centre
                              ? (width - m_titleWidth) / 2
                              : int(std::lround(m_theme.leftRoom * m_bar->height));
    const QRect title(titleLeft, 0, std::min(m_titleWidth, left - titleLeft), m_bar->height);
    const QImage titlePixels = title.width() > 0 ? m_foreground.titleBarPixels(title) : QImage();
    // A title that leaves no trace in the pixels: they are not what the screen shows, as where
    // the compositor draws the decorations itself.
    if (back.isValid() && TitleBarStyle::plain(titlePixels))
        back = QColor();
    QColor text;
    if (back.isValid()) {
        text = TitleBarStyle::text(titlePixels, back);
        m_ground = QBrush(QPixmap::fromImage(column));
    } else {
        // The desktop's own window colours are then the best guess of the title bar's.
        back = QPalette().color(QPalette::Window);
        text = TitleBarStyle::contrasting(back);
        m_ground = QBrush(back);
    }
    m_text = text;
    showColours();
}

void CaptionWindow::showColours()
{
    QPalette p = palette();
    p.setBrush(QPalette::Window, m_ground);
    setPalette(p);
    // The date's and the night time's highlights keep their own ground, and a text that stands
    // out on it.
    for (DisplayLabel* label : {m_dateLabel, m_timeLabel, m_placeLabel}) {
        QPalette own = label->palette();
        own.setColor(QPalette::WindowText,
                     label->opaque() ? TitleBarStyle::contrasting(label->background()) : m_text);
        label->setPalette(own);
    }
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
    if (!m_grab || !m_frame || !m_bar || !(event->buttons() & Qt::LeftButton))
        return;
    const int left = CaptionClock::leftOnTitleBar(
        *m_frame, int(event->globalPosition().x()) - *m_grab, frameGeometry().width(),
        CaptionClock::buttonGap(m_theme, m_bar->height));
    // The height from the title bar too, never from where the window system last put the clock.
    move(left, m_frame->top + (m_bar->height - frameGeometry().height()) / 2);
}

void CaptionWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_grab)
        return;
    m_grab.reset();
    m_gap = CaptionClock::gapAt(*m_frame, x(), frameGeometry().width());
    // Should the store refuse, the gap holds until the clock ends; no message interrupts a drag.
    static_cast<void>(m_store.set(StoreKeys::CaptionGap, Twips::fromPixels(*m_gap)));
    followTitleBar(); // at once, not at the next tick
}

void CaptionWindow::end()
{
    hide();
    emit ended();
}
