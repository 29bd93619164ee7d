#include "BandListWindow.h"

#include "ClockLook.h"
#include "DisplayLabel.h"
#include "ElidedText.h"
#include "StoreKeys.h"
#include "Twips.h"
#include "WindowDrag.h"
#include "platform/ToolWindow.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>

BandListWindow::BandListWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("fBandList"));
    setWindowTitle(tr("zelband list")); // the tray icon's own window is "zelband"
    ToolWindow::keepOffTaskbar(*this);
    ClockLook::apply(*this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const QColor highlight = palette().color(QPalette::Highlight);
    // "Local" and every place the store can hold.
    for (int i = 0; i <= StoreKeys::kSlotCount; ++i) {
        const QString n = QString::number(i);
        Row row{new DisplayLabel(QStringLiteral("lblDate_") + n, ClockLook::dateHighlight(), this),
                new DisplayLabel(QStringLiteral("lblTime_") + n, ClockLook::nightHighlight(), this),
                new DisplayLabel(QStringLiteral("lblPlace_") + n, highlight, this)};
        int column = 0;
        for (DisplayLabel* label : {row.date, row.time, row.place}) {
            label->setMinimumHeight(16);
            grid->addWidget(label, i, column++);
            connect(label, &DisplayLabel::mouseMoved, this,
                    [label](Qt::MouseButtons b) { startWindowDrag(label, b); });
        }
        row.place->setMinimumWidth(80);
        row.place->elideBeyond(Twips::toPixels(ElidedText::kNameRoomTwips));
        m_rows.push_back(row);
    }
}

void BandListWindow::showRows(const std::vector<RowText>& rows)
{
    const int shown = int(std::min(rows.size(), m_rows.size()));
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const Row& row = m_rows[std::size_t(i)];
        const bool visible = i < shown;
        for (DisplayLabel* label : {row.date, row.time, row.place})
            label->setVisible(visible);
        if (!visible)
            continue;
        const RowText& text = rows[std::size_t(i)];
        row.date->display(text.date, text.dateHighlight);
        row.time->display(text.time, text.nightHighlight);
        row.place->display(text.place, false);
    }
    m_shownRows = shown;
}

void BandListWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BandListWindow::contextMenuEvent(QContextMenuEvent* event)
{
    emit menuRequested(event->globalPos());
}
