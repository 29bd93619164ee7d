#include "ListWindow.h"

#include "ClockLook.h"
#include "DisplayLabel.h"
#include "ImageButton.h"
#include "ImageButtonGroup.h"
#include "KeepOnTop.h"
#include "SettingsStore.h"
#include "StripWidget.h"
#include "SwitchProgram.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "WindowPlacer.h"
#include "platform/SizingFrame.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace {

// The objectName of a row's control: "lblDate_0" for the local row.
QString indexed(QStringView name, int row)
{
    return name.toString() + u'_' + QString::number(row);
}

} // namespace

ListWindow::ListWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                       QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint), m_store(store), m_starter(starter),
      m_programFolder(std::move(programFolder)), m_list(store, clock),
      m_ticks(clock, store.filePath()), m_placer(new WindowPlacer(*this))
{
    setObjectName(QStringLiteral("fMainList"));
    setWindowTitle(QStringLiteral("zelroll"));
    ClockLook::apply(*this);
    // Tool tips show while another program's window is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    buildControls();
    start();
}

ListWindow::~ListWindow() = default;

void ListWindow::buildControls()
{
    using namespace ListLayout;
    std::vector<ImageButton*> buttons;
    for (const ListButtonEntry& entry : ListButtons::table()) {
        auto* b = new ImageButton(entry.name, entry.toolTip, this);
        b->move(Twips::toPixels(entry.left), Twips::toPixels(entry.top));
        buttons.push_back(b);
        const ListButton id = entry.id;
        connect(b, &ImageButton::clicked, this, [this, id] {
            switch (id) {
            case ListButton::DW:
                toggleMode();
                break;
            case ListButton::End:
                close();
                break;
            default:
                switchTo(id);
                break;
            }
        });
    }
    m_buttons = new ImageButtonGroup(m_pictures, std::move(buttons),
                                     ButtonLooks::tableOf(ListButtons::table()), this);

    // The mode label only shows the mode: it neither drags nor resets the buttons.
    m_modeLabel = new DisplayLabel(QStringLiteral("lblDW"), QColor(), this);
    m_modeLabel->setGeometry(Twips::rect(kModeLabelLeft, 0, modeLabelWidth(kMinWidth), kRowHeight));

    const auto makeRowLabel = [this](QStringView name, int row, QColor background) {
        auto* l = new DisplayLabel(indexed(name, row), background, this);
        connect(l, &DisplayLabel::mouseMoved, this, [this](Qt::MouseButtons buttons) {
            m_buttons->resetAll();
            startWindowDrag(this, buttons);
        });
        return l;
    };
    for (int r = 0; r < kRowCount; ++r) {
        const int top = rowTop(r);
        m_dateLabels[r] = makeRowLabel(u"lblDate", r, ClockLook::dateHighlight());
        m_dateLabels[r]->setGeometry(Twips::rect(0, top, kDateWidth, kRowHeight));
        m_dateLabels[r]->shrinkToFit(); // some languages' months are wider than the label
        m_strips[r] = new StripWidget(indexed(u"lblTimeZone", r), this);
        m_strips[r]->move(Twips::toPixels(kStripLeft), Twips::toPixels(top));
        m_timeLabels[r] = makeRowLabel(u"lblTime", r, ClockLook::nightHighlight());
        m_timeLabels[r]->setFont(ClockLook::labelFont());
        m_timeLabels[r]->setGeometry(Twips::rect(kTimeLeft, top, kTimeWidth, kRowHeight));
        m_placeLabels[r] = makeRowLabel(u"lblPlace", r, QColor());
        m_placeLabels[r]->setFont(ClockLook::labelFont());
        m_placeLabels[r]->setGeometry(
            Twips::rect(kPlaceLeft, top, placeLabelWidth(kMinWidth), kRowHeight));
    }
    // The time labels overlap the strip's last border: they lie above it.
    for (DisplayLabel* l : m_timeLabels)
        l->raise();

    connect(&m_ticks, &TickTimer::tick, this, &ListWindow::onTick);
}

void ListWindow::start()
{
    loadPlaces();
    keepOnTop(this);
    SizingFrame::request(this);
    m_placer->open(m_store.placement(StoreKeys::ListWindow), height(), minimumWidth());
    m_modeLabel->display(m_list.modeCaption(), false);
    repaintStrips();
    onTick(); // the first texts are there when the window first shows
    m_ticks.start();
}

void ListWindow::loadPlaces()
{
    m_list.loadPlaces();
    applyHeight();
}

void ListWindow::applyHeight()
{
    const int h = Twips::toPixels(m_list.windowHeight());
    setMinimumWidth(Twips::toPixels(ListLayout::kMinWidth));
    setFixedHeight(h);
    // The height leaves the rows beyond the places just outside the frame; here the window's
    // inside is the full height, so the top edge of the next row would peek out below the
    // last one. Those rows keep their contents for when the places grow again.
    const int shownRows = m_list.places().plcCount + 2;
    for (int r = 0; r < ListLayout::kRowCount; ++r) {
        const bool shown = r < shownRows;
        const auto row = std::size_t(r);
        m_dateLabels[row]->setVisible(shown);
        m_timeLabels[row]->setVisible(shown);
        m_placeLabels[row]->setVisible(shown);
        m_strips[row]->setVisible(shown);
    }
}

void ListWindow::repaintStrips()
{
    const std::vector<StripRow> strips = m_list.strips();
    for (std::size_t r = 0; r < strips.size(); ++r)
        m_strips[r]->setRow(strips[r]);
}

void ListWindow::onTick()
{
    const ListClock::Tick t = m_list.tick();
    if (t.reloaded)
        applyHeight();
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const RowText& row = t.rows[r];
        m_dateLabels[r]->display(row.date, row.dateHighlight);
        m_timeLabels[r]->display(row.time, row.nightHighlight);
        m_placeLabels[r]->display(row.place, false);
    }
}

void ListWindow::toggleMode()
{
    m_list.toggleMode();
    m_modeLabel->display(m_list.modeCaption(), false);
    repaintStrips();
}

void ListWindow::switchTo(ListButton id)
{
    const std::optional<SwitchTarget> target = ListButtons::switchTarget(id);
    if (target)
        SwitchProgram(this, m_store, m_starter, *target, m_programFolder);
}

void ListWindow::applyLayout()
{
    const ListLayout::Size want = ListLayout::enforced(
        {int(Twips::fromPixels(width())), int(Twips::fromPixels(height()))}, m_list.windowHeight());
    const QSize px(Twips::toPixels(want.width), Twips::toPixels(want.height));
    if (px != size())
        resize(px);
    const int client = int(Twips::fromPixels(width()));
    for (DisplayLabel* l : m_placeLabels)
        l->resize(Twips::toPixels(ListLayout::placeLabelWidth(client)), l->height());
    m_modeLabel->resize(Twips::toPixels(ListLayout::modeLabelWidth(client)), m_modeLabel->height());
}

void ListWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

void ListWindow::mousePressEvent(QMouseEvent* event)
{
    applyLayout();
    startWindowDrag(this, event->buttons());
    event->accept();
}

void ListWindow::closeEvent(QCloseEvent* event)
{
    m_ticks.stop();
    m_store.setPlacement(StoreKeys::ListWindow, m_placer->closing());
    event->accept();
    emit closed();
}
