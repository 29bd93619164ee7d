#pragma once

#include "IniDocument.h"
#include "StoreBackend.h"
#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <functional>

class QLockFile;

// The settings as one INI file shared by all programs of the suite.
//
// Reads are served from memory while the file on disk is unchanged; a change by another
// program is noticed by comparing the file's identity (inode, size, modification time in
// nanoseconds), so a clock that polls ten times a second costs one stat() per poll.
// Writes take a lock file, re-read the file under the lock so that a concurrent writer's keys
// survive, and replace the file atomically: the new text goes to a file beside it, which is
// renamed over it only once writing, flushing, syncing and closing it all succeeded; on any
// failure (a full disk, an I/O error) the new file is removed and the old one stays as it was.
// A writer killed half-way leaves the old file whole too. A write of the value already stored
// does not touch the file at all.
//
// A file that exists but cannot be read (no permission, an I/O error, a folder in its place)
// reads as empty, so that every key gives its default, and is never written: what it holds
// may be the user's settings.
class IniFileBackend final : public StoreBackend {
    Q_DECLARE_TR_FUNCTIONS(IniFileBackend)
public:
    // How long a write waits for a live program that holds the store's lock before it gives up:
    // far longer than any write takes, short enough for a window to wait for it.
    static constexpr std::chrono::milliseconds kLockWait{10'000};

    explicit IniFileBackend(QString filePath, std::chrono::milliseconds lockWait = kLockWait);

    std::optional<QString> read(QStringView section, QStringView key) override;
    WriteResult write(QStringView section, QStringView key, const QString& value) override;
    // One lock, one read and one atomic replace for all the keys.
    WriteResult writeAll(std::span<const StoreEntry> entries) override;
    // The same without waiting for a live holder of the lock; a dead one's lock is taken over.
    WriteResult tryWriteAll(std::span<const StoreEntry> entries) override;
    // The read and the write under one lock.
    Exchange exchange(QStringView section, QStringView key, const QString& value) override;

    QString filePath() const override { return m_path; }

    // What tells one version of the file from another without reading it.
    using FileStamp = HostSystem::FileStamp;
    static FileStamp stampOf(const QString& path);

private:
    // The file as it is on disk: its text, its stamp taken before reading it, and why it could
    // not be read (empty when it was read or does not exist).
    struct DiskText {
        IniDocument doc;
        FileStamp stamp;
        QString unreadable;
    };

    void refresh();
    // Under the lock, `change` edits the file as it is on disk now; when it says it changed
    // something, the file is replaced. A live holder of the lock is waited for up to
    // `lockWait`.
    WriteResult edit(const std::function<bool(IniDocument&)>& change,
                     std::chrono::milliseconds lockWait);
    DiskText readFromDisk() const;
    WriteResult writeAll(std::span<const StoreEntry> entries, std::chrono::milliseconds lockWait);
    // Empty once the lock is held, else why it could not be taken within `wait`.
    static QString takeLock(QLockFile& lock, std::chrono::milliseconds wait);
    // Replaces the file with the bytes, or leaves it as it was and says why not.
    static QString replaceFile(const QString& path, const QByteArray& bytes);
    WriteResult failure(const QString& reason) const
    {
        return WriteResult::failure(m_path, reason);
    }

    QString m_path;
    std::chrono::milliseconds m_lockWait;
    FileStamp m_stamp;
    IniDocument m_doc;
    bool m_loaded = false;
};
