#pragma once

#include <QByteArrayView>

// The time-zone names that may be handed to the system. A zone name from the store is text that
// anyone can edit, and the system opens a zone by its name as a file under its zone folder, so a
// name such as "../../tmp/fifo" would open, and hang on, any file at all.
namespace ZoneNames {

// An IANA name in form: components of ASCII letters, digits, '_', '-' and '+' joined by '/'
// ("America/Port-au-Prince", "Etc/GMT+5"), none of them empty; so no '.', no leading '/'.
bool isWellFormed(QByteArrayView id);

// Well formed and in the system's list of zones: Qt's own list together with every zone and
// link of the tz database ("Asia/Calcutta", "Etc/UTC"), read once and kept.
bool isKnown(QByteArrayView id);

} // namespace ZoneNames
