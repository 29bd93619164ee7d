#include "ListWindow.h"

#include "CaptionLook.h"
#include "DisplayLabel.h"
#include "ImageButton.h"
#include "ImageButtonGroup.h"
#include "KeepOnTop.h"
#include "SettingsStore.h"
#include "SwitchProgram.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "platform/SizingFrame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

const QColor kDateHighlight(128, 64, 0);
const QColor kNightHighlight(0, 0, 64);
const QColor kCellInitial(255, 255, 128);

QRect twipsRect(int left, int top, int width, int height)
{
    return {Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
            Twips::toPixels(height)};
}

QFont labelFont()
{
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

} // namespace

ListWindow::ListWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                       QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint), m_store(store), m_starter(starter),
      m_programFolder(std::move(programFolder)), m_list(store, clock)
{
    setObjectName(QStringLiteral("fMainList"));
    setWindowTitle(QStringLiteral("zelroll"));
    CaptionLook::apply(*this);
    buildControls();
    Form_Load();
}

ListWindow::~ListWindow() = default;

void ListWindow::buildControls()
{
    using namespace ListLayout;
    std::vector<ImageButtonGroup::Member> members;
    for (const ListButtonEntry& entry : ListButtons::table()) {
        auto* b = new ImageButton(entry.name, entry.toolTip, this);
        b->move(Twips::toPixels(entry.left), 0);
        members.push_back({b, entry.normalLook, entry.hoverLook,
                           entry.resetsOthersOnHover ? ButtonLooks::Hover::ResetOthers
                                                     : ButtonLooks::Hover::Alone});
        const ListButton id = entry.id;
        connect(b, &ImageButton::clicked, this, [this, id] {
            switch (id) {
            case ListButton::DW:
                imgDW_Click();
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
    m_buttons = new ImageButtonGroup(m_pictures, std::move(members), this);

    // The mode label only shows the mode: it neither drags nor resets the buttons.
    m_lblDW = new DisplayLabel(QStringLiteral("lblDW"), QColor(), this);
    m_lblDW->setGeometry(twipsRect(kModeLabelLeft, 0, modeLabelWidth(kMinWidth), kRowHeight));

    const auto makeRowLabel = [this](const QString& name, int row, QColor background) {
        auto* l = new DisplayLabel(name, background, this);
        l->setProperty("index", row);
        connect(l, &DisplayLabel::mouseMoved, this, [this](Qt::MouseButtons buttons) {
            resetAll();
            startWindowDrag(this, buttons);
        });
        return l;
    };
    for (int r = 0; r < kRowCount; ++r) {
        const int top = rowTop(r);
        m_lblDate[r] = makeRowLabel(QStringLiteral("lblDate"), r, kDateHighlight);
        m_lblDate[r]->setGeometry(twipsRect(0, top, kDateWidth, kRowHeight));
        for (int c = 0; c < kCellsPerRow; ++c) {
            auto* cell = new QLabel(QStringLiteral("24"), this);
            cell->setObjectName(QStringLiteral("lblTimeZone"));
            cell->setProperty("index", r * kCellsPerRow + c);
            cell->setFrameStyle(QFrame::Box | QFrame::Plain);
            cell->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            cell->setAutoFillBackground(true);
            // Presses on the strip are not presses on the background.
            cell->setAttribute(Qt::WA_NoMousePropagation);
            QPalette cp = cell->palette();
            cp.setColor(QPalette::Window, kCellInitial);
            cp.setColor(QPalette::WindowText, cp.color(QPalette::Active, QPalette::ButtonText));
            cell->setPalette(cp);
            cell->setGeometry(twipsRect(cellLeft(c), top, kCellWidth, kRowHeight));
            m_lblTimeZone[std::size_t(r * kCellsPerRow + c)] = cell;
        }
        m_lblTime[r] = makeRowLabel(QStringLiteral("lblTime"), r, kNightHighlight);
        m_lblTime[r]->setFont(labelFont());
        m_lblTime[r]->setGeometry(twipsRect(kTimeLeft, top, kTimeWidth, kRowHeight));
        m_lblPlace[r] = makeRowLabel(QStringLiteral("lblPlace"), r, QColor());
        m_lblPlace[r]->setFont(labelFont());
        m_lblPlace[r]->setGeometry(
            twipsRect(kPlaceLeft, top, placeLabelWidth(kMinWidth), kRowHeight));
    }
    // The time labels overlap the strip's last border: they lie above it.
    for (DisplayLabel* l : m_lblTime)
        l->raise();

    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &ListWindow::onTick);
}

void ListWindow::Form_Load()
{
    loadPlaces();
    keepOnTop(this);
    SizingFrame::request(this);
    const WindowPlacement at = m_store.listPlacement();
    m_loadedPlacement = at;
    m_requestedPos = QPoint(Twips::toPixels(at.left), Twips::toPixels(at.top));
    move(m_requestedPos);
    resize(Twips::toPixels(at.width), height());
    m_lblDW->display(m_list.modeCaption(), false);
    repaintStrips();
    onTick(); // the first texts are there when the window first shows
    m_timer.start();
}

void ListWindow::loadPlaces()
{
    m_list.loadData();
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
        m_lblDate[row]->setVisible(shown);
        m_lblTime[row]->setVisible(shown);
        m_lblPlace[row]->setVisible(shown);
        for (int c = 0; c < ListLayout::kCellsPerRow; ++c)
            m_lblTimeZone[row * ListLayout::kCellsPerRow + std::size_t(c)]->setVisible(shown);
    }
}

void ListWindow::repaintStrips()
{
    const std::vector<StripRow> strips = m_list.strips();
    for (std::size_t r = 0; r < strips.size(); ++r) {
        for (std::size_t c = 0; c < strips[r].size(); ++c) {
            const StripCellView& v = strips[r][c];
            QLabel* cell = m_lblTimeZone[r * ListLayout::kCellsPerRow + c];
            cell->setText(QString::number(v.cell.hour));
            QPalette cp = cell->palette();
            cp.setColor(QPalette::Window, v.cell.background);
            cp.setColor(QPalette::WindowText, v.cell.text.value_or(palette().color(
                                                  QPalette::Active, QPalette::ButtonText)));
            cell->setPalette(cp);
            cell->setToolTip(v.toolTip);
        }
    }
}

QPoint ListWindow::savedPosition() const
{
    const std::optional<QPoint> origin = SizingFrame::clientOrigin(const_cast<ListWindow*>(this));
    if (!origin || !m_placeOffset)
        return pos();
    return *origin - *m_placeOffset;
}

void ListWindow::onTick()
{
    // Once placed by the window manager: how the point given to move() shows on the screen.
    if (!m_placeOffset && isVisible()) {
        if (const std::optional<QPoint> origin = SizingFrame::clientOrigin(this))
            m_placeOffset = *origin - m_requestedPos;
    }
    const ListClock::Tick t = m_list.tick();
    if (t.reloaded)
        applyHeight();
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const RowText& row = t.rows[r];
        m_lblDate[r]->display(row.date, row.dateHighlight);
        m_lblTime[r]->display(row.time, row.nightHighlight);
        m_lblPlace[r]->display(row.place, false);
    }
}

void ListWindow::imgDW_Click()
{
    m_list.toggleMode();
    m_lblDW->display(m_list.modeCaption(), false);
    repaintStrips();
}

void ListWindow::resetAll()
{
    m_buttons->resetAll();
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
    for (DisplayLabel* l : m_lblPlace)
        l->resize(Twips::toPixels(ListLayout::placeLabelWidth(client)), l->height());
    m_lblDW->resize(Twips::toPixels(ListLayout::modeLabelWidth(client)), m_lblDW->height());
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
    m_timer.stop();
    // Twips that fall between two pixels are kept as stored while the window stays put, so
    // opening and closing never changes the stored place.
    const QPoint at = savedPosition();
    WindowPlacement p = m_loadedPlacement;
    if (at != m_requestedPos) {
        p.left = Twips::fromPixels(at.x());
        p.top = Twips::fromPixels(at.y());
    }
    if (width() != Twips::toPixels(p.width))
        p.width = Twips::fromPixels(width());
    m_store.setListPlacement(p);
    event->accept();
    emit unloaded();
}
