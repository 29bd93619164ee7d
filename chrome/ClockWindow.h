#pragma once

#include "ButtonLooks.h"
#include "ButtonPictures.h"
#include "ButtonTable.h"
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

// What the panel and list clocks' windows have in common: a tool window with a row of image
// buttons over the picture store, text labels that drag the window and give the buttons their
// normal looks, a tick timer, a place kept in the store, and switches to the other programs.
// Closing saves the place and ends the display.
class ClockWindow : public QWidget {
    Q_OBJECT
public:
    ~ClockWindow() override;

signals:
    // The display is over: its place is saved and the program ends.
    void ended();

protected:
    // `programFolder` is where the other programs of the suite are looked for.
    ClockWindow(const QString& objectName, const QString& title, SettingsStore& store,
                const Clock& clock, ProgramStarter& starter, QString programFolder,
                const PlacementKeys& placement, QWidget* parent);

    // The table's buttons at their places, each click given to `onClick` with the button's id;
    // returns them in table order.
    template <typename Id, std::size_t N>
    std::vector<ImageButton*> addButtons(const ButtonTable<Id, N>& table,
                                         const std::function<void(Id)>& onClick)
    {
        std::vector<ImageButton*> buttons;
        for (const ButtonEntry<Id>& entry : table) {
            auto* b = new ImageButton(entry.name, entry.toolTip, this);
            b->move(Twips::toPixels(entry.left), Twips::toPixels(entry.top));
            buttons.push_back(b);
            connect(b, &ImageButton::clicked, this, [onClick, id = entry.id] { onClick(id); });
        }
        m_buttons = new ImageButtonGroup(m_pictures, buttons, ButtonLooks::tableOf(table), this);
        return buttons;
    }
    // A text label at a place given in twips; moving the pointer over it with the left button
    // held drags the window, and any move over it gives the buttons their normal looks.
    DisplayLabel* addLabel(const QString& name, const QColor& background, const QRect& twips);
    void resetButtons();

    // Hands over to the program, or says why it could not be started.
    void switchTo(const SwitchTarget& target);
    // At the stored place, `heightPx` high and no narrower than `minWidthPx`.
    void openAtStoredPlace(int heightPx, int minWidthPx);

    SettingsStore& store() const { return m_store; }
    TickTimer& ticks() { return m_ticks; }
    WindowPlacer& placer() const { return *m_placer; }

    void closeEvent(QCloseEvent* event) override;

private:
    SettingsStore& m_store;
    ProgramStarter& m_starter;
    QString m_programFolder;
    PlacementKeys m_placement;
    ButtonPictures m_pictures;
    ImageButtonGroup* m_buttons = nullptr;
    TickTimer m_ticks;
    WindowPlacer* m_placer;
};
