#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

class QFile;
class QFileDevice;

// What the store and the hand-over need from the operating system: one implementation per
// system (POSIX, Windows, or plain Qt where neither applies), chosen when building.
namespace HostSystem {

// What tells one version of a file from another without reading it.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const QString& path);

// Opens `path` into `file` for reading when it is a regular file (after symbolic links); gives
// nothing then, and the reason otherwise. A FIFO or a device is refused without waiting on it,
// as a plain open would wait for a FIFO's writer for good.
std::optional<QString> openRegularFile(QFile& file, const QString& path);

// What a read of a whole regular file gave: its bytes, or why there are none.
struct FileBytes {
    QByteArray bytes;
    QString unreadable;    // the reason it could not be opened or read; empty when it was
    bool tooLarge = false; // it holds more than the cap; each reader says so in its own words
    bool ok() const { return unreadable.isEmpty() && !tooLarge; }
};
// Opens `path` as openRegularFile does and reads it whole, up to `cap` bytes: a file that has
// more (or grew past the cap while read) is refused, never read on without end.
FileBytes readRegularFile(const QString& path, qint64 cap);

// Pushes what was written to an open file down to the disk, so that a failure there (a full
// disk that the write itself did not see, an I/O error) shows before the file is used. Empty
// when done, else the reason.
QString syncToDisk(QFileDevice& file);

// Pushes a folder's own changes (a file renamed in it) down to the disk, as far as the system
// allows; the file itself is in place either way, so nothing is reported.
void syncFolder(const QString& folder);

// True when no process of this id runs on this host; false when unsure.
bool processIsGone(qint64 pid);

// A program's file name from its base name ("zelpane.exe" on Windows).
QString executableName(const QString& base);

} // namespace HostSystem
