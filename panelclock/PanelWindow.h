#pragma once

#include "ButtonPictures.h"
#include "HandOver.h"
#include "PanelButtons.h"
#include "PanelClock.h"
#include "TickTimer.h"

#include <QWidget>

class Clock;
class DisplayLabel;
class ForegroundWindow;
class ImageButton;
class ImageButtonGroup;
class ProgramStarter;
class SettingsStore;
class WindowPlacer;

// The panel clock's window: a strip one line high with five image buttons and the shown
// place's date, time and name, laid over the foreground window's title bar while following.
// It shows what PanelClock computes and forwards the user's actions.
class PanelWindow final : public QWidget {
    Q_OBJECT
public:
    // `programFolder` is where the other programs of the suite are looked for.
    PanelWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                ForegroundWindow& foreground, QString programFolder = HandOver::ownDirectory(),
                QWidget* parent = nullptr);
    ~PanelWindow() override;

    const PanelClock& model() const { return m_panel; }

    // Public so that tests can drive the clock without waiting for its timer.
    void onTick();

signals:
    // The position is saved: the program ends (a tool window alone does not end it).
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void start();
    void holdHeight();
    void applyLayout();
    void click(PanelButton button);
    void followTitleBar();

    SettingsStore& m_store;
    ProgramStarter& m_starter;
    ForegroundWindow& m_foreground;
    QString m_programFolder;
    PanelClock m_panel;
    ButtonPictures m_pictures;
    ImageButtonGroup* m_buttons = nullptr;
    ImageButton* m_followButton = nullptr;
    DisplayLabel* m_dateLabel = nullptr;
    DisplayLabel* m_timeLabel = nullptr;
    DisplayLabel* m_placeLabel = nullptr;
    TickTimer m_ticks;
    WindowPlacer* m_placer;
    bool m_followsEvents = false; // told of the foreground window's changes, not asking
};
