#include "StripWidget.h"

#include "ListLayout.h"
#include "StripAccessible.h"
#include "Twips.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <qdrawutil.h>

namespace {

QRect firstCell()
{
    return Twips::rect(0, 0, ListLayout::kCellWidth, ListLayout::kRowHeight);
}

int pitch()
{
    return Twips::toPixels(ListLayout::kCellPitch);
}

// An hour when every place is at work: a dark green line along the foot of the cell, which
// reads on both day colours (all places are in their day hours then).
QColor awakeColour()
{
    return {0, 100, 0};
}
constexpr int kAwakeLine = 2;

// The looked-at hour: a red frame, plain on the day colours and on the night blue alike.
QColor lookedColour()
{
    return {230, 0, 0};
}
constexpr int kLookedFrame = 2;

} // namespace

StripWidget::StripWidget(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    // Qt asks its factories for a widget's interface when a screen reader first looks at it.
    [[maybe_unused]] static const bool readable = [] {
        QAccessible::installFactory(&StripAccessible::create);
        return true;
    }();
    setAttribute(Qt::WA_OpaquePaintEvent); // the cells cover every pixel
    setAttribute(Qt::WA_NoMousePropagation);
    resize(sizeHint());
}

QSize StripWidget::sizeHint() const
{
    return cellRect(ListLayout::kCellsPerRow - 1).united(cellRect(0)).size();
}

QRect StripWidget::cellRect(int column)
{
    return firstCell().translated(pitch() * column, 0);
}

int StripWidget::columnAt(QPoint at)
{
    const QRect all = cellRect(0).united(cellRect(ListLayout::kCellsPerRow - 1));
    if (!all.contains(at))
        return -1;
    return std::min(at.x() / pitch(), ListLayout::kCellsPerRow - 1);
}

void StripWidget::setRow(const StripRow& row)
{
    if (row == m_row)
        return;
    m_row = row;
    update();
}

bool StripWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int column = columnAt(help->pos());
        if (column < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        // Bound to the cell, so that moving to the next cell brings that cell's tip.
        QToolTip::showText(help->globalPos(), m_row[std::size_t(column)].toolTip, this,
                           cellRect(column));
        return true;
    }
    return QWidget::event(event);
}

void StripWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor buttonText = palette().color(QPalette::Active, QPalette::ButtonText);
    // A bordered label's text starts half an "x" inside its border.
    const int indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    for (int c = 0; c < ListLayout::kCellsPerRow; ++c) {
        const StripCellView& view = m_row[std::size_t(c)];
        const QColor text = view.cell.text.value_or(buttonText);
        const QRect box = cellRect(c);
        painter.setClipRect(box);
        painter.fillRect(box, view.cell.background);
        qDrawPlainRect(&painter, box, text, 1);
        painter.setPen(text);
        painter.drawText(box.adjusted(1 + indent, 1, -1, -1), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(view.cell.hour));
        // Marks lie inside the border, so the cell's colours stay as they are around them.
        QRect inside = box.adjusted(1, 1, -1, -1);
        if (view.looked) {
            qDrawPlainRect(&painter, inside, lookedColour(), kLookedFrame);
            inside.adjust(kLookedFrame, kLookedFrame, -kLookedFrame, -kLookedFrame);
        }
        if (view.awake)
            painter.fillRect(inside.left(), inside.bottom() - kAwakeLine + 1, inside.width(),
                             kAwakeLine, awakeColour());
    }
}
