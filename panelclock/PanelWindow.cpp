#include "PanelWindow.h"

#include "ClockLook.h"
#include "DisplayLabel.h"
#include "ImageButton.h"
#include "PanelLayout.h"
#include "SettingsStore.h"
#include "TitleBarPlacement.h"
#include "Twips.h"
#include "WindowPlacer.h"
#include "platform/ForegroundWindow.h"
#include "platform/TopMost.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

constexpr int px(double twips)
{
    return Twips::toPixels(twips);
}

} // namespace

PanelWindow::PanelWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                         ForegroundWindow& foreground, QString programFolder, QWidget* parent)
    : ClockWindow(QStringLiteral("fMain2"), QStringLiteral("zelpane"), store, clock, starter,
                  std::move(programFolder), StoreKeys::PanelWindow, parent),
      m_foreground(foreground), m_panel(store, clock)
{
    buildControls();
    start();
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::buildControls()
{
    using namespace PanelLayout;
    addButtons<PanelButton>(PanelButtons::table(), [this](PanelButton id) { click(id); });
    m_followButton =
        findChild<ImageButton*>(entryOf(PanelButtons::table(), PanelButton::Follow).name);

    m_dateLabel = addLabel(QStringLiteral("lblDate"), ClockLook::dateHighlight(),
                           QRect(kDateLeft, 0, kDateWidth, kLabelHeight));
    m_dateLabel->shrinkToFit(); // some languages' months are wider than the label
    m_timeLabel = addLabel(QStringLiteral("lblTime"), ClockLook::nightHighlight(),
                           QRect(kTimeLeft, 0, kTimeWidth, kLabelHeight));
    m_timeLabel->setFont(ClockLook::labelFont());
    m_placeLabel =
        addLabel(QStringLiteral("lblPlace"), QColor(), QRect(kPlaceLeft, 0, 0, kLabelHeight));
    m_placeLabel->setFont(ClockLook::labelFont());
    m_placeLabel->elideToFit();

    setMinimumWidth(px(kMinWidth));
    setFixedHeight(px(kHeight));
    ticks().setNextDue([this] { return m_panel.rotation().nextDue(); });
}

void PanelWindow::start()
{
    TopMost::keepOnTop(*this);
    openAtStoredPlace(px(PanelLayout::kHeight), minimumWidth());
    if (!m_foreground.canFollow()) {
        m_panel.followingUnavailable();
        m_followButton->setEnabled(false);
        m_followButton->setToolTip(m_panel.followToolTip());
    }
    m_followsEvents = m_foreground.watch([this] {
        if (m_panel.setFront(m_foreground.frontNames(*this)))
            onTick();
        if (m_panel.following())
            followTitleBar();
    });
    // Without the window system's word, following means asking every 100 ms.
    ticks().setPolling(m_panel.following() && !m_followsEvents);
    applyLayout();
    m_panel.start();
    onTick(); // the first texts are there when the window first shows
    ticks().start();
}

void PanelWindow::onTick()
{
    m_panel.setFront(m_foreground.frontNames(*this));
    const RowText row = m_panel.onTick();
    if (const HourCycle cycle = m_panel.rotation().places().hourCycle; cycle != m_cycle) {
        m_cycle = cycle;
        setMinimumWidth(px(PanelLayout::kMinWidth + PanelLayout::extraFor(cycle)));
        applyLayout();
    }
    m_dateLabel->display(row.date, row.dateHighlight);
    m_timeLabel->display(row.time, row.nightHighlight);
    m_placeLabel->display(row.place, false);
    if (m_panel.following() && !m_followsEvents)
        followTitleBar();
}

void PanelWindow::followTitleBar()
{
    if (!isVisible())
        return;
    const std::optional<WindowRect> r = m_foreground.frameUnlessOwn(*this);
    if (!r)
        return;
    const QPointF at =
        TitleBarPlacement::overTitleBar(*r, Twips::fromPixels(frameGeometry().width()));
    placer().moveFrameTo(QPoint(px(at.x()), px(at.y())));
}

void PanelWindow::click(PanelButton button)
{
    if (button == PanelButton::Follow) {
        m_panel.toggleFollow();
        m_followButton->setToolTip(m_panel.followToolTip());
        ticks().setPolling(m_panel.following() && !m_followsEvents);
        if (m_panel.following())
            followTitleBar();
    } else {
        close();
    }
}

void PanelWindow::holdHeight()
{
    if (height() != px(PanelLayout::kHeight))
        resize(width(), px(PanelLayout::kHeight));
}

void PanelWindow::applyLayout()
{
    using namespace PanelLayout;
    const int client = int(Twips::fromPixels(width()));
    const int extra = extraFor(m_cycle);
    m_timeLabel->resize(px(kTimeWidth + extra), m_timeLabel->height());
    m_placeLabel->setGeometry(px(kPlaceLeft + extra), m_placeLabel->y(),
                              px(placeLabelWidth(client, m_cycle)), m_placeLabel->height());
}

void PanelWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    holdHeight();
    applyLayout();
}

void PanelWindow::showEvent(QShowEvent*)
{
    // Events tell of later changes; the window in the foreground now is taken from here.
    QTimer::singleShot(0, this, [this] {
        if (m_panel.following())
            followTitleBar();
    });
}

void PanelWindow::mousePressEvent(QMouseEvent*)
{
    holdHeight();
}
