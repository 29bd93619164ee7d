#pragma once

#include "BandClock.h"
#include "DisplaySwitch.h"
#include "HandOver.h"
#include "TickTimer.h"

#include <QObject>
#include <functional>
#include <memory>

class BandListWindow;
class Clock;
class ProgramStarter;
class QMenu;
class QSystemTrayIcon;
class SettingsStore;
class TrayWatch;
class WindowPlacer;

// The task-bar clock: a tray icon that shows the rotating place's time and lists every place in
// its tool tip, with the list window on a left click and the menu of the other displays on a
// right click; on a desktop without a tray, the list as a window of its own that keeps its
// position in the store.
// The tray icon, "trayIcon", is a child of this object; the menu "bandMenu" and the list window
// "fBandList" are windows of their own.
class BandWindow final : public QObject {
    Q_OBJECT
public:
    // `trayThere`, when given, is asked whether the desktop has a tray now, at once when the
    // window system tells of a tray that came or went, and at every tick: a tray that comes
    // takes the icon in place of the window, a tray that goes gives the window.
    BandWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter, BandMode mode,
               QString programFolder = HandOver::ownDirectory(),
               std::function<bool()> trayThere = {});
    ~BandWindow() override;

    void onTick();
    // A left click on the tray icon: opens the list, or closes it when it is open.
    void toggleList();

signals:
    // The display is over: "End" or a switch that started the other program.
    void ended();

private:
    void showTray();
    void showFallbackWindow();
    void followTray();
    void savePosition();
    void end();

    SettingsStore& m_store;
    BandMode m_mode;
    BandClock m_band;
    TrayFace m_face;
    int m_loads = -1;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<BandListWindow> m_list;
    WindowPlacer* m_placer; // the list's, as a window of its own
    DisplaySwitch m_switch; // says over the list why a switch failed
    std::unique_ptr<QSystemTrayIcon> m_tray;
    TickTimer m_ticks;
    std::function<bool()> m_trayThere;
    std::unique_ptr<TrayWatch> m_trayWatch;
    QMetaObject::Connection m_escapeHides;
};
