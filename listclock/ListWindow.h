#pragma once

#include "ButtonPictures.h"
#include "HandOver.h"
#include "ListButtons.h"
#include "ListClock.h"
#include "ListLayout.h"
#include "SettingsStore.h"
#include "TickTimer.h"

#include <QWidget>
#include <array>
#include <optional>

class Clock;
class DisplayLabel;
class ImageButtonGroup;
class ProgramStarter;
class SettingsStore;
class StripWidget;
class WindowPlacer;

// The list clock's window: the local row and every place, each with its 24-hour strip, under a
// thin band of image buttons. It shows what ListClock computes and forwards the user's actions.
class ListWindow final : public QWidget {
    Q_OBJECT
public:
    // `programFolder` is where the other programs of the suite are looked for.
    ListWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
               QString programFolder = HandOver::ownDirectory(), QWidget* parent = nullptr);
    ~ListWindow() override;

    const ListClock& model() const { return m_list; }

    // Public so that tests can drive the clock without waiting for its timer or a click.
    void onTick();
    void toggleMode();

signals:
    // The position is saved: the program ends (a tool window alone does not end it).
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void start();
    void loadPlaces();
    void repaintStrips();
    void applyLayout();
    void applyHeight();
    void switchTo(ListButton button);

    SettingsStore& m_store;
    ProgramStarter& m_starter;
    QString m_programFolder;
    ListClock m_list;
    ButtonPictures m_pictures;
    ImageButtonGroup* m_buttons = nullptr;
    DisplayLabel* m_modeLabel = nullptr;
    std::array<DisplayLabel*, ListLayout::kRowCount> m_dateLabels{};
    std::array<DisplayLabel*, ListLayout::kRowCount> m_timeLabels{};
    std::array<DisplayLabel*, ListLayout::kRowCount> m_placeLabels{};
    std::array<StripWidget*, ListLayout::kRowCount> m_strips{};
    TickTimer m_ticks;
    WindowPlacer* m_placer;
};
