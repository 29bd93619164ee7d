#pragma once

#include "ButtonLooks.h"
#include "ButtonPictures.h"
#include "ButtonTable.h"
#include "DisplaySwitch.h"
#include "ImageButton.h"
#include "ImageButtonGroup.h"
#include "StoreKeys.h"
#include "TickTimer.h"
#include "Twips.h"

#include <QWidget>
#include <functional>
#include <vector>

class Clock;
class DisplayLabel;
class ProgramStarter;
class SettingsStore;
class WindowPlacer;

// What the list and panel clocks' windows share: a tool window without the window manager's
// decoration, with a frame of its own, kept out of the task bar, and a row of image buttons over
// the picture store, text labels that drag the window and give the buttons their normal looks,
// a tick timer that calls onTick, a place kept in the store, and switches to the other
// programs. Closing saves the place and ends the display.
class ClockWindow : public QWidget {
    Q_OBJECT
public:
    ~ClockWindow() override;

    // One tick of the timer: the texts of now. Public so that tests can drive the clock
    // without waiting for its timer.
    virtual void onTick() = 0;

signals:
    // The display is over and its place saved: the program ends (a tool window alone does not
    // end it).
    void ended();

protected:
    // `programFolder` is where the other programs of the suite are looked for.
    ClockWindow(const QString& objectName, const QString& title, SettingsStore& store,
                const Clock& clock, ProgramStarter& starter, QString programFolder,
                const PlacementKeys& placement, QWidget* parent);

    // The table's buttons at their places; a click on a switch button hands over to its
    // program, any other gives its id to `onClick`. Returns the buttons in table order.
    template <typename Id, std::size_t N>
    std::vector<ImageButton*> addButtons(const ButtonTable<Id, N>& table,
                                         const std::function<void(Id)>& onClick)
    {
        std::vector<ImageButton*> buttons;
        for (const ButtonEntry<Id>& entry : table) {
            auto* b = new ImageButton(entry.name, toolTipOf(entry), this);
            b->move(Twips::toPixels(entry.left), Twips::toPixels(entry.top));
            buttons.push_back(b);
            connect(b, &ImageButton::clicked, this,
                    [this, onClick, id = entry.id, to = entry.switchTo] {
                        if (to)
                            switchTo(*to);
                        else
                            onClick(id);
                    });
        }
        m_buttons = new ImageButtonGroup(m_pictures, buttons, ButtonLooks::tableOf(table), this);
        tabFromLeftToRight(buttons);
        return buttons;
    }
    // A text label at a place given in twips; moving the pointer over it with the left button
    // held drags the window, and any move over it gives the buttons their normal looks.
    DisplayLabel* addLabel(const QString& name, const QColor& background, const QRect& twips);

    // Hands over to the program and closes, or says why it could not be started.
    void switchTo(const SwitchTarget& target);
    // At the stored place, `heightPx` high and no narrower than `minWidthPx`.
    void openAtStoredPlace(int heightPx, int minWidthPx);

    TickTimer& ticks() { return m_ticks; }
    SettingsStore& store() const { return m_store; }
    WindowPlacer& placer() const { return *m_placer; }

    void closeEvent(QCloseEvent* event) override;

private:
    // Tab goes through the buttons as they stand in the band, not in the table's order.
    void tabFromLeftToRight(std::vector<ImageButton*> buttons);

    SettingsStore& m_store;
    DisplaySwitch m_switch;
    PlacementKeys m_placement;
    ButtonPictures m_pictures;
    ImageButtonGroup* m_buttons = nullptr;
    TickTimer m_ticks;
    WindowPlacer* m_placer;
};
