#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

// Where there is no POSIX stat or kill (Windows, and any system Qt alone serves): what Qt can
// tell of a file, its flush, and QLockFile's own test of a lock holder.
namespace HostSystem {

FileStamp fileStamp(const QString& path)
{
    FileStamp s;
    const QFileInfo info(path);
    if (!info.exists())
        return s;
    constexpr qint64 kNsPerMs = 1'000'000;
    s.exists = true;
    s.size = info.size();
    s.modifiedNs = info.lastModified().toMSecsSinceEpoch() * kNsPerMs;
    s.inode = quint64(info.metadataChangeTime().toMSecsSinceEpoch());
    return s;
}

std::optional<QString> openRegularFile(QFile& file, const QString& path)
{
    // No FIFOs in the file system here: the type is checked before opening, and Qt refuses
    // folders itself.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return QCoreApplication::translate("HostSystem", "not a regular file");
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return std::nullopt;
}

QString syncToDisk(QFileDevice& file)
{
    // Qt has no portable sync: what is buffered reaches the system, and the system writes it.
    return file.flush() ? QString() : file.errorString();
}

void syncFolder(const QString&)
{
    // Qt cannot open a folder as a file; the system's own rename is what there is.
}

bool processIsGone(qint64)
{
    return false; // QLockFile itself finds dead holders there
}

} // namespace HostSystem
