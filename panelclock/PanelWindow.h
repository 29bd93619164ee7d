#pragma once

#include "ClockWindow.h"
#include "HandOver.h"
#include "PanelButtons.h"
#include "PanelClock.h"

class Clock;
class DisplayLabel;
class ForegroundWindow;
class ImageButton;
class ProgramStarter;
class SettingsStore;

// The panel clock's window: a strip one line high with five image buttons and the shown
// place's date, time and name, laid over the foreground window's title bar while following.
// It shows what PanelClock computes and forwards the user's actions.
class PanelWindow final : public ClockWindow {
    Q_OBJECT
public:
    // `programFolder` is where the other programs of the suite are looked for.
    PanelWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                ForegroundWindow& foreground, QString programFolder = HandOver::ownDirectory(),
                QWidget* parent = nullptr);
    ~PanelWindow() override;

    void onTick() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void start();
    void holdHeight();
    void applyLayout();
    void click(PanelButton button);
    void followTitleBar();

    ForegroundWindow& m_foreground;
    PanelClock m_panel;
    ImageButton* m_followButton = nullptr;
    DisplayLabel* m_dateLabel = nullptr;
    DisplayLabel* m_timeLabel = nullptr;
    HourCycle m_cycle = HourCycle::TwentyFour; // what the labels are laid out for
    DisplayLabel* m_placeLabel = nullptr;
    bool m_followsEvents = false; // told of the foreground window's changes, not asking
};
