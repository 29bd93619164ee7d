#pragma once

class QWidget;

// Keeps the window above ordinary windows for as long as it is open. Call before the window is
// first shown; a platform that refuses leaves the window as it is.
void keepOnTop(QWidget* window);
