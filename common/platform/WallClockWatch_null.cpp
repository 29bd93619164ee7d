#include "WallClockWatch.h"

// This system does not tell when its wall clock is set.
struct WallClockWatch::Watch {};

WallClockWatch::WallClockWatch(QObject* parent) : QObject(parent) {}

WallClockWatch::~WallClockWatch() = default;

bool WallClockWatch::isWatching() const
{
    return false;
}
