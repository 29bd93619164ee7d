#include "platform/HostSystem.h"

#include <QFile>

// What every system's implementation shares, built on its own openRegularFile.
namespace HostSystem {

FileBytes readRegularFile(const QString& path, qint64 cap)
{
    FileBytes read;
    QFile file;
    if (std::optional<QString> refused = openRegularFile(file, path)) {
        read.unreadable = std::move(*refused);
        return read;
    }
    // One byte past the cap tells a file that is too large from one that just fits.
    read.bytes = file.read(cap + 1);
    if (file.error() != QFileDevice::NoError) {
        read.unreadable = file.errorString();
        read.bytes.clear();
    } else if (read.bytes.size() > cap) {
        read.tooLarge = true;
        read.bytes.clear();
    }
    return read;
}

} // namespace HostSystem
