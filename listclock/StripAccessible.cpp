#include "StripAccessible.h"

#include "StripWidget.h"

#include <QPointer>

namespace {

// One painted cell: a static text with the cell's tool tip as its name, where the cell is drawn.
class StripCellAccessible final : public QAccessibleInterface {
public:
    StripCellAccessible(StripWidget* strip, int column) : m_strip(strip), m_column(column) {}

    bool isValid() const override { return !m_strip.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_strip ? m_strip->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_strip.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_strip || (t != QAccessible::Name && t != QAccessible::Description))
            return {};
        return m_strip->row()[std::size_t(m_column)].toolTip;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_strip)
            return {};
        const QRect cell = StripWidget::cellRect(m_column);
        return {m_strip->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_strip || !m_strip->isVisible();
        state.readOnly = true;
        return state;
    }

private:
    QPointer<StripWidget> m_strip;
    int m_column;
};

} // namespace

StripAccessible::StripAccessible(StripWidget* strip) : QAccessibleWidget(strip) {}

StripAccessible::~StripAccessible()
{
    for (QAccessible::Id id : m_cells) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

StripWidget* StripAccessible::strip() const
{
    return static_cast<StripWidget*>(widget());
}

int StripAccessible::childCount() const
{
    return ListLayout::kCellsPerRow;
}

QAccessibleInterface* StripAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = m_cells[std::size_t(index)];
    if (id == 0) // Qt's registry owns the cell's interface until the destructor deletes it
        id = QAccessible::registerAccessibleInterface(new StripCellAccessible(strip(), index));
    return QAccessible::accessibleInterface(id);
}

int StripAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i) {
        const QAccessible::Id id = m_cells[std::size_t(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* StripAccessible::childAt(int x, int y) const
{
    const int column = StripWidget::columnAt(strip()->mapFromGlobal(QPoint(x, y)));
    return column < 0 ? nullptr : child(column);
}

QAccessibleInterface* StripAccessible::create(const QString& className, QObject* object)
{
    // Qt's cache owns the interface and deletes it with the widget.
    if (className == QLatin1String("StripWidget") && object != nullptr && object->isWidgetType())
        return new StripAccessible(static_cast<StripWidget*>(object));
    return nullptr;
}
