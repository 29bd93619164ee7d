#pragma once

#include "SettingsModel.h"

#include <QWidget>
#include <array>
#include <map>
#include <vector>

class ChooserLabel;
class ProgramStarter;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

// The settings window: six place slots, the pick lists, the mode and style choosers, the
// details panel with flag and map, a search field over the pick list, and OK / Cancel. It shows
// what the model holds and hands every click and key to it; after each it redraws itself from
// the model.
class SettingsWindow final : public QWidget {
    Q_OBJECT
public:
    static inline const QColor kGround{0, 64, 64};
    static inline const QColor kFilled{255, 255, 128};
    static inline const QColor kSummerOrange{255, 192, 128};
    static inline const QColor kSummerCyan{0, 255, 255};
    static inline const QColor kValueGround{255, 224, 192};
    static inline const QColor kCrossHair{255, 0, 0};
    static constexpr int kTickMs = 500;

    // The model is loaded already; the window starts and stops with the program's two
    // directories, where it looks for the display to start.
    SettingsWindow(SettingsModel& model, ProgramStarter& starter, QString startDir, QString ownDir,
                   QWidget* parent = nullptr);

signals:
    // OK or Cancel handed over to a display; the window closes.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // F1: the help, at the section about the control that has the keyboard.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildFrame();
    void buildSearch();
    bool searching() const;
    // Fills the list of places found from the field's text, keeping the row chosen or not.
    void showFound(bool keepRow);
    void pickFound(int row);
    void startRename(int slot);
    void endRename(bool keep);
    void buildDetails();
    void buildButtons();
    void refresh();
    void refreshTimes();
    void finish(bool save);
    void onTick();

    SettingsModel& m_model;
    ProgramStarter& m_starter;
    QString m_startDir;
    QString m_ownDir;

    QGroupBox* m_frame = nullptr;
    ChooserLabel* m_style = nullptr;
    ChooserLabel* m_interval = nullptr;
    std::array<QRadioButton*, 2> m_language{};
    std::array<QRadioButton*, 2> m_pattern{};
    std::array<QRadioButton*, StoreKeys::kSlotCount> m_slotOptions{};
    std::array<QLabel*, StoreKeys::kSlotCount> m_names{};
    std::array<QLabel*, StoreKeys::kSlotCount> m_times{};
    std::array<ChooserLabel*, StoreKeys::kSlotCount> m_marks{};
    std::map<PickList, QListWidget*> m_lists;
    QLineEdit* m_search = nullptr;
    QListWidget* m_found = nullptr;
    std::vector<FoundPlace> m_foundPlaces; // as m_found lists them
    QLineEdit* m_rename = nullptr;         // over the name of the slot being renamed
    int m_renaming = -1;

    QLabel* m_countryName = nullptr;
    QLabel* m_capital = nullptr;
    QLabel* m_languages = nullptr;
    QLabel* m_currency = nullptr;
    QLabel* m_exchange = nullptr;
    QLabel* m_flag = nullptr;
    QLabel* m_utcOffset = nullptr;
    QLabel* m_localOffset = nullptr;
    QLabel* m_map = nullptr;
    QFrame* m_lineEW = nullptr;
    QFrame* m_lineNS = nullptr;
    int m_shownFlag = -2;
    QTimer* m_timer = nullptr;
};
