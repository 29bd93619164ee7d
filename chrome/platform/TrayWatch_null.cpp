#include "TrayWatch.h"

// Windows keeps its tray for the whole session, and Qt puts the icon back when Explorer
// restarts; elsewhere nothing is known to watch.
struct TrayWatch::Watch {};

TrayWatch::TrayWatch(QObject* parent) : QObject(parent) {}

TrayWatch::~TrayWatch() = default;
