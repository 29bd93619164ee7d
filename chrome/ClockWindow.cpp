#include "ClockWindow.h"

#include "ClockLook.h"
#include "DisplayLabel.h"
#include "DrawnFrame.h"
#include "SettingsStore.h"
#include "WindowDrag.h"
#include "WindowPlacer.h"
#include "platform/ToolWindow.h"

#include <QCloseEvent>
#include <algorithm>

ClockWindow::ClockWindow(const QString& objectName, const QString& title, SettingsStore& store,
                         const Clock& clock, ProgramStarter& starter, QString programFolder,
                         const PlacementKeys& placement, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_store(store),
      m_switch(store, starter, std::move(programFolder), *this, title), m_placement(placement),
      m_ticks(clock, store.filePath()), m_placer(new WindowPlacer(*this))
{
    setObjectName(objectName);
    setWindowTitle(title);
    ClockLook::apply(*this);
    // The clock is hardly ever the active window; its tool tips show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // Shown, moved or raised, it leaves the keyboard where the user types, and stays out of the
    // task bar; a click into it gives it the keyboard, and Tab then goes through its buttons.
    ToolWindow::keepOffTaskbar(*this);
    setFocusPolicy(Qt::ClickFocus);
    new DrawnFrame(*this); // owned by the window
    connect(&m_ticks, &TickTimer::tick, this, [this] { onTick(); });
}

ClockWindow::~ClockWindow() = default;

DisplayLabel* ClockWindow::addLabel(const QString& name, const QColor& background,
                                    const QRect& twips)
{
    auto* label = new DisplayLabel(name, background, this);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    connect(label, &DisplayLabel::mouseMoved, this, [this, label](Qt::MouseButtons buttons) {
        if (m_buttons)
            m_buttons->resetAll();
        startWindowDrag(label, buttons);
    });
    return label;
}

void ClockWindow::tabFromLeftToRight(std::vector<ImageButton*> buttons)
{
    std::ranges::sort(buttons, {}, [](const ImageButton* b) { return b->x(); });
    for (std::size_t i = 1; i < buttons.size(); ++i)
        setTabOrder(buttons[i - 1], buttons[i]);
}

void ClockWindow::switchTo(const SwitchTarget& target)
{
    if (m_switch.switchTo(target))
        close(); // which saves the place
}

void ClockWindow::openAtStoredPlace(int heightPx, int minWidthPx)
{
    m_placer->open(m_store.placement(m_placement), heightPx, minWidthPx);
}

void ClockWindow::closeEvent(QCloseEvent* event)
{
    m_ticks.stop();
    // A clock that cannot save its place closes all the same, and reopens where it was before.
    static_cast<void>(m_store.setPlacement(m_placement, m_placer->closing()));
    event->accept();
    emit ended();
}
