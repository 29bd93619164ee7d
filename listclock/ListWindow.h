#pragma once

#include "ClockWindow.h"
#include "HandOver.h"
#include "ListButtons.h"
#include "ListClock.h"
#include "ListLayout.h"
#include <array>
#include <optional>

class Clock;
class DisplayLabel;
class QLabel;
class QLineEdit;
class QWheelEvent;
class ProgramStarter;
class SettingsStore;
class StripWidget;

// The list clock's window: the local row and every place, each with its 24-hour strip, under a
// thin band of image buttons. It shows what ListClock computes and forwards the user's actions:
// the wheel and the arrow keys look at another instant, digits open a time editor on a row.
class ListWindow final : public ClockWindow {
    Q_OBJECT
public:
    // `programFolder` is where the other programs of the suite are looked for.
    ListWindow(SettingsStore& store, const Clock& clock, ProgramStarter& starter,
               QString programFolder = HandOver::ownDirectory(), QWidget* parent = nullptr);
    ~ListWindow() override;

    void onTick() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildControls();
    void toggleMode();
    void start();
    void repaintStrips();
    void applyLayout();
    void applyHeight();
    void placeDistance();
    void showTime(std::size_t row, const RowText& text, bool looking);
    static void applyTimeLook(DisplayLabel& label, bool looking, bool night);
    void wheelTurned(const QWheelEvent& event);
    void chooseRow(int step);
    void setChosenRow(int row);
    int typingRow() const;
    void openEditor(int row, const QString& typed);
    void closeEditor();
    void applyTypedTime();
    void copyMoment();
    void lookAtCommonHour(bool forward);
    void editWorkingHours(int row);
    void editShowWhile(int row);
    void saveMoment();

    ListClock m_list;
    DisplayLabel* m_modeLabel = nullptr;
    std::array<DisplayLabel*, ListLayout::kRowCount> m_dateLabels{};
    std::array<DisplayLabel*, ListLayout::kRowCount> m_timeLabels{};
    std::array<DisplayLabel*, ListLayout::kRowCount> m_placeLabels{};
    std::array<StripWidget*, ListLayout::kRowCount> m_strips{};
    QLabel* m_distance = nullptr; // "+3:00" beside "Local" while looking
    QLineEdit* m_editor = nullptr;
    int m_editorRow = -1;
    bool m_timesLooking = false; // the time labels wear the looked-at look
    int m_chosenRow = -1;        // chosen with Up and Down; -1 none
    int m_wheelRest = 0;         // a touchpad's part of a notch
};
