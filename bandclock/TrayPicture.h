#pragma once

#include "BandClock.h"

#include <QPixmap>

// The tray icon's picture: the hours over the minutes, as large as the square allows, on the
// title-bar colour by day and on the clocks' night blue from 21:00 to 06:59.
namespace TrayPicture {
QPixmap paint(const TrayFace& face, int side);
}
