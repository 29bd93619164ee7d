#pragma once

class QWidget;

// Keeps the window above ordinary windows for as long as it is open. Call before the window is
// first shown. Returns 1 when the platform accepted it, 0 otherwise (callers ignore it).
int TopForm(QWidget* window);
