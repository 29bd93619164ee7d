#pragma once

#include "PlaceTime.h"

#include <QWidget>
#include <vector>

class DisplayLabel;

// The task-bar clock's list of "Local" and every place, one row each: date, time and name with
// the clocks' highlights. A small frameless window above the others, opened from the tray
// icon, or on a desktop without a tray the clock's only window, which can be dragged by its
// texts and gives the menu on a right click.
class BandListWindow final : public QWidget {
    Q_OBJECT
public:
    explicit BandListWindow(QWidget* parent = nullptr);

    void showRows(const std::vector<RowText>& rows);
    int rowCount() const { return m_shownRows; }

signals:
    void escapePressed();
    void menuRequested(const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Row {
        DisplayLabel* date;
        DisplayLabel* time;
        DisplayLabel* place;
    };
    std::vector<Row> m_rows;
    int m_shownRows = 0;
};
