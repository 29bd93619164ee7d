#pragma once

class QWidget;

// A clock's window is a tool, not a program of its own: it stays out of the task bar and the
// pager, and being shown does not take the keyboard from the window the user works in (a click
// into it still gives it the keyboard, where it takes any). Call before the window is first
// shown; it holds for every later showing too, except one for which the caller turns
// Qt::WA_ShowWithoutActivating off (a list the user opened to use at once). One implementation
// per window system, chosen when building; where the system has no such states, only the
// keyboard rule applies.
namespace ToolWindow {
void keepOffTaskbar(QWidget& window);
}
