#pragma once

#include "ButtonPictures.h"
#include "HandOver.h"
#include "PanelButtons.h"
#include "PanelClock.h"

#include <QWidget>

class Clock;
class DisplayLabel;
class ForegroundWindow;
class ImageButton;
class ImageButtonGroup;
class ProgramStarter;
class QTimer;
class SettingsStore;

// The panel clock's window: a strip one line high with five image buttons and the shown
// place's date, time and name, laid over the foreground window's title bar while following.
// It shows what PanelClock says and forwards the user's actions.
class PanelWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeightTwips = 360;

    PanelWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
                ForegroundWindow& foreground, QString programFolder = HandOver::ownDirectory());
    ~PanelWindow() override;

    void onTick();
    const PanelClock& panel() const { return m_panel; }

signals:
    // After the position is saved. A tool window's close does not end the program by itself.
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;    // Form_Resize
    void mousePressEvent(QMouseEvent* event) override; // Form_MouseDown
    void closeEvent(QCloseEvent* event) override;      // Form_Unload

private:
    void Form_Load();
    void holdHeight();
    void layOutPlace();
    void click(PanelButton button);
    void followTitleBar();

    SettingsStore& m_store;
    ProgramStarter& m_starter;
    ForegroundWindow& m_foreground;
    QString m_programFolder;
    PanelClock m_panel;
    const ButtonPictures imgBtnKP;

    ImageButton* imgTitleCng;
    ImageButton* imgView;
    ImageButton* imgChange;
    ImageButton* imgMinimize;
    ImageButton* imgend;
    DisplayLabel* lblDate;
    DisplayLabel* lblTime;
    DisplayLabel* lblPlace;
    ImageButtonGroup* m_buttons;
    QTimer* Timer1;
};
