#pragma once

#include "CaptionClock.h"
#include "DisplaySwitch.h"
#include "HandOver.h"
#include "TickTimer.h"
#include "platform/ForegroundWindow.h"

#include <QBrush>
#include <QPalette>
#include <QTimer>
#include <QWidget>

class Clock;
class DisplayLabel;
class ForegroundWindow;
class ProgramStarter;
class QMenu;
class SettingsStore;

// The title-bar clock's window: the shown place's date, time and name laid into the title bar
// of the foreground window like a second caption, in the title bar's colours, without buttons
// or border. It never takes the focus from the window it sits on, and hides while there is no
// window to sit on. A right click gives the menu of the other displays.
class CaptionWindow final : public QWidget {
    Q_OBJECT
public:
    CaptionWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                  ForegroundWindow& foreground, QString programFolder = HandOver::ownDirectory());
    ~CaptionWindow() override;

    void onTick();

signals:
    // The display is over: "End" or a switch that started the other program.
    void ended();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Dragged with the left button along the title bar it sits in, the clock sets its gap to
    // the title bar's right end for every window from then on.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void followTitleBar();
    void end();
    // The title bar's height, title or owner changed: the font, the title's width and the theme
    // follow it.
    void takeTitleBar(const TitleBar& bar);
    CaptionClock::Measure measure() const;
    // The title bar's colours, read from its pixels once the clock stands in it.
    void takeColours();
    void showColours();

    SettingsStore& m_store;
    ForegroundWindow& m_foreground;
    DisplaySwitch m_switch;
    CaptionClock m_caption;
    DisplayLabel* m_dateLabel;
    DisplayLabel* m_timeLabel;
    DisplayLabel* m_placeLabel;
    QMenu* m_menu;
    TickTimer m_ticks;
    bool m_followsEvents = false; // told of the foreground window's changes, not asking
    bool m_compositing = false;   // drawn as text alone on a see-through ground
    // Pixels between the clock's and the title bar's right ends, where the user dragged it;
    // otherwise the window manager's buttons decide.
    std::optional<int> m_gap;
    std::optional<WindowRect> m_frame; // the window whose title bar the clock sits in
    std::optional<TitleBar> m_bar;     // and that title bar
    TitleBarTheme m_theme;
    int m_titleWidth = 0;
    int m_placeWidth = -1; // how wide the place name may be, when it was last laid out
    QString m_place;
    // Until the title bar's own are read, the desktop's window colours.
    QBrush m_ground{QPalette().color(QPalette::Window)};
    QColor m_text{TitleBarStyle::contrasting(QPalette().color(QPalette::Window))};
    QTimer m_lookAgain;        // reads the title bar's colours once it has been drawn
    std::optional<int> m_grab; // while dragged: the pointer's x less the clock's left
};
