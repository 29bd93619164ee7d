#include "PanelWindow.h"

#include "ClockLook.h"
#include "DisplayLabel.h"
#include "ImageButton.h"
#include "ImageButtonGroup.h"
#include "PanelLayout.h"
#include "SettingsStore.h"
#include "SwitchProgram.h"
#include "TitleBarPlacement.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "WindowPlacer.h"
#include "platform/ForegroundWindow.h"
#include "platform/SizingFrame.h"
#include "platform/TopMost.h"

#include <QCloseEvent>
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
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint), m_store(store), m_starter(starter),
      m_foreground(foreground), m_programFolder(std::move(programFolder)), m_panel(store, clock),
      m_ticks(clock, store.filePath()), m_placer(new WindowPlacer(*this))
{
    setObjectName(QStringLiteral("fMain2"));
    setWindowTitle(QStringLiteral("zelpane"));
    ClockLook::apply(*this);
    // The panel is hardly ever the active window; its tool tips show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    buildControls();
    start();
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::buildControls()
{
    using namespace PanelLayout;
    std::vector<ImageButton*> buttons;
    for (const PanelButtonEntry& entry : PanelButtons::table()) {
        auto* b = new ImageButton(entry.name, toolTipOf(entry), this);
        b->move(px(entry.left), px(entry.top));
        buttons.push_back(b);
        if (entry.id == PanelButton::Follow)
            m_followButton = b;
        const PanelButton id = entry.id;
        connect(b, &ImageButton::clicked, this, [this, id] { click(id); });
    }
    m_buttons = new ImageButtonGroup(m_pictures, std::move(buttons),
                                     ButtonLooks::tableOf(PanelButtons::table()), this);

    m_dateLabel = new DisplayLabel(QStringLiteral("lblDate"), ClockLook::dateHighlight(), this);
    m_dateLabel->setGeometry(Twips::rect(kDateLeft, 0, kDateWidth, kLabelHeight));
    m_dateLabel->shrinkToFit(); // some languages' months are wider than the label
    m_timeLabel = new DisplayLabel(QStringLiteral("lblTime"), ClockLook::nightHighlight(), this);
    m_timeLabel->setGeometry(Twips::rect(kTimeLeft, 0, kTimeWidth, kLabelHeight));
    m_timeLabel->setFont(ClockLook::labelFont());
    m_placeLabel = new DisplayLabel(QStringLiteral("lblPlace"), QColor(), this);
    m_placeLabel->setGeometry(Twips::rect(kPlaceLeft, 0, 0, kLabelHeight));
    m_placeLabel->setFont(ClockLook::labelFont());
    m_placeLabel->elideToFit();
    for (DisplayLabel* label : {m_dateLabel, m_timeLabel, m_placeLabel}) {
        connect(label, &DisplayLabel::mouseMoved, this, [this, label](Qt::MouseButtons b) {
            m_buttons->resetAll();
            startWindowDrag(label, b);
        });
    }

    setMinimumWidth(px(kMinWidth));
    setFixedHeight(px(kHeight));
    connect(&m_ticks, &TickTimer::tick, this, &PanelWindow::onTick);
    m_ticks.setNextDue([this] { return m_panel.nextRotationAt(); });
}

void PanelWindow::start()
{
    m_panel.loadPlaces();
    TopMost::keepOnTop(*this);
    SizingFrame::request(this); // resizable in width; the height is held
    m_placer->open(m_store.placement(StoreKeys::PanelWindow), px(PanelLayout::kHeight),
                   minimumWidth());
    if (!m_foreground.canFollow()) {
        m_panel.followingUnavailable();
        m_followButton->setEnabled(false);
        m_followButton->setToolTip(m_panel.followToolTip());
    }
    m_followsEvents = m_foreground.watch([this] {
        if (m_panel.following())
            followTitleBar();
    });
    // Without the window system's word, following means asking every 100 ms.
    m_ticks.setPolling(m_panel.following() && !m_followsEvents);
    applyLayout();
    m_panel.start();
    onTick(); // the first texts are there when the window first shows
    m_ticks.start();
}

void PanelWindow::onTick()
{
    const RowText row = m_panel.onTick();
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
    m_placer->moveFrameTo(QPoint(px(at.x()), px(at.y())));
}

void PanelWindow::click(PanelButton button)
{
    if (const std::optional<SwitchTarget> to = PanelButtons::switchTarget(button)) {
        switchProgram(this, m_store, m_starter, *to, m_programFolder);
        return;
    }
    if (button == PanelButton::Follow) {
        m_panel.toggleFollow();
        m_followButton->setToolTip(m_panel.followToolTip());
        m_ticks.setPolling(m_panel.following() && !m_followsEvents);
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
    const int client = int(Twips::fromPixels(width()));
    m_placeLabel->resize(px(PanelLayout::placeLabelWidth(client)), m_placeLabel->height());
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

void PanelWindow::closeEvent(QCloseEvent* event)
{
    m_ticks.stop();
    m_store.setPlacement(StoreKeys::PanelWindow, m_placer->closing());
    event->accept();
    emit closed();
}
