#pragma once

class QWidget;

// The settings program's About button: the suite's name, version, home page, and the data
// sources with their licences.
namespace AboutBox {

// Shows the about box over `parent` until the user closes it.
void show(QWidget* parent);

} // namespace AboutBox
