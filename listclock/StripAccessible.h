#pragma once

#include "ListLayout.h"

#include <QAccessibleWidget>
#include <array>

class StripWidget;

// What a screen reader finds in a strip: its cells, painted rather than made of widgets, each
// one named by its tool tip, the moment it stands for at the row's place.
class StripAccessible final : public QAccessibleWidget {
public:
    explicit StripAccessible(StripWidget* strip);
    ~StripAccessible() override;
    StripAccessible(const StripAccessible&) = delete;
    StripAccessible& operator=(const StripAccessible&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // For QAccessible::installFactory: this interface for every StripWidget.
    static QAccessibleInterface* create(const QString& className, QObject* object);

private:
    StripWidget* strip() const;

    // Made when first asked for and kept by Qt's registry until the strip goes.
    mutable std::array<QAccessible::Id, ListLayout::kCellsPerRow> m_cells{};
};
