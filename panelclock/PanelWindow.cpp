#include "PanelWindow.h"

#include "CaptionLook.h"
#include "DisplayLabel.h"
#include "ImageButton.h"
#include "ImageButtonGroup.h"
#include "KeepOnTop.h"
#include "SettingsStore.h"
#include "SwitchProgram.h"
#include "TitleBarPlacement.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "platform/ForegroundWindow.h"

#include <QCloseEvent>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

constexpr int px(double twips)
{
    return Twips::toPixels(twips);
}

QFont captionFont()
{
    QFont font(QString::fromUtf8("ＭＳ Ｐゴシック"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

} // namespace

PanelWindow::PanelWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                         ForegroundWindow& foreground, QString programFolder)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_store(store), m_starter(starter),
      m_foreground(foreground), m_programFolder(std::move(programFolder)), m_panel(store, clock),
      imgTitleCng(
          new ImageButton("imgTitleCng", QString::fromUtf8("タイトルバーの中に入れる"), this)),
      imgView(new ImageButton("imgView", QString::fromUtf8("時差を絵で表示"), this)),
      imgChange(new ImageButton("imgChange", QString::fromUtf8("環境設定"), this)),
      imgMinimize(new ImageButton("imgMinimize", PanelClock::initialFollowToolTip(), this)),
      imgend(new ImageButton("imgend", QString::fromUtf8("終了"), this)),
      lblDate(new DisplayLabel("lblDate", QColor(128, 64, 0), this)),
      lblTime(new DisplayLabel("lblTime", QColor(0, 0, 64), this)),
      lblPlace(new DisplayLabel("lblPlace", palette().color(QPalette::Highlight), this)),
      m_buttons(new ImageButtonGroup(imgBtnKP,
                                     {{imgChange, 8, 9},
                                      {imgend, 2, 3},
                                      {imgMinimize, 4, 5},
                                      {imgView, 6, 7},
                                      {imgTitleCng, 0, 1}},
                                     this)),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("fMain2"));
    setWindowTitle(QStringLiteral("zelpane"));
    CaptionLook::apply(*this);

    imgTitleCng->move(px(0), px(10));
    imgView->move(px(120), px(10));
    imgChange->move(px(240), px(10));
    imgMinimize->move(px(360), px(15));
    imgend->move(px(480), px(15));
    lblDate->setGeometry(px(600), 0, px(600), px(255));
    lblTime->setGeometry(px(1200), 0, px(615), px(255));
    lblPlace->setGeometry(px(1800), 0, 0, px(255));
    lblTime->setFont(captionFont());
    lblPlace->setFont(captionFont());

    connect(imgTitleCng, &ImageButton::clicked, this, [this] { click(PanelButton::TitleCng); });
    connect(imgView, &ImageButton::clicked, this, [this] { click(PanelButton::View); });
    connect(imgChange, &ImageButton::clicked, this, [this] { click(PanelButton::Change); });
    connect(imgMinimize, &ImageButton::clicked, this, [this] { click(PanelButton::Follow); });
    connect(imgend, &ImageButton::clicked, this, [this] { click(PanelButton::End); });
    for (DisplayLabel* label : {lblDate, lblTime, lblPlace}) {
        connect(label, &DisplayLabel::mouseMoved, this, [this, label](Qt::MouseButtons b) {
            m_buttons->resetAll();
            startWindowDrag(label, b);
        });
    }

    // Narrower than the buttons, date and time leaves no room for the place: it vanishes.
    setMinimumWidth(px(1800));
    setFixedHeight(px(kHeightTwips));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &PanelWindow::onTick);
    Form_Load();
    Timer1->start();
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::Form_Load()
{
    m_panel.loadPlaces();
    keepOnTop(this);
    const WindowPlacement at = m_store.panelPlacement();
    move(px(at.left), px(at.top));
    resize(std::max(px(at.width), minimumWidth()), px(kHeightTwips));
    layOutPlace();
    m_panel.Form_Load();
    onTick(); // no empty strip for the first 100 ms
}

void PanelWindow::onTick()
{
    const RowText row = m_panel.onTick();
    lblDate->display(row.date, row.dateHighlight);
    lblTime->display(row.time, row.nightHighlight);
    lblPlace->display(row.place, false);
    if (m_panel.following())
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
    const QPoint target(px(at.x()), px(at.y()));
    if (target != pos())
        move(target);
}

void PanelWindow::click(PanelButton button)
{
    if (const std::optional<SwitchTarget> to = panelSwitch(button)) {
        SwitchProgram(this, m_store, m_starter, *to, m_programFolder);
        return;
    }
    if (button == PanelButton::Follow) {
        m_panel.toggleFollow();
        imgMinimize->setToolTip(m_panel.followToolTip());
    } else {
        close();
    }
}

void PanelWindow::holdHeight()
{
    if (height() != px(kHeightTwips))
        resize(width(), px(kHeightTwips));
}

void PanelWindow::layOutPlace()
{
    lblPlace->resize(std::max(0, width() - px(1800)), lblPlace->height());
}

void PanelWindow::resizeEvent(QResizeEvent*)
{
    holdHeight();
    layOutPlace();
}

void PanelWindow::mousePressEvent(QMouseEvent*)
{
    holdHeight();
}

void PanelWindow::closeEvent(QCloseEvent* event)
{
    const QRect frame = frameGeometry();
    m_store.setPanelPlacement({Twips::fromPixels(frame.x()), Twips::fromPixels(frame.y()),
                                  Twips::fromPixels(frame.width())});
    event->accept();
    emit closed();
}
