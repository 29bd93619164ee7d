#include "IniFileBackend.h"

#include "platform/HostSystem.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
// A lock is taken from its holder only when the holder is gone. On this host QLockFile sees
// that for itself (no process with the noted id); a holder on another host cannot be asked,
// so its lock counts as stale only after this long.
constexpr qint64 kOtherHostStaleMs = 5 * 60 * 1000;
// A lock file without a readable holder: one that is being created right now, or left by a
// writer killed before it noted its id. The removal itself never takes a lock that a live
// process holds (QLockFile's removal fails while the holder keeps its file locked). Well
// within the writer's wait, so that a killed writer's lock never fails the next save; its age
// counts either way, as a clock set back makes a fresh lock look as if from the future.
constexpr qint64 kUnreadableStaleMs = 3 * 1000;
constexpr int kLockPollMs = 50;
// Temporary files of a write killed before its rename; a running write's file is far younger.
constexpr qint64 kLeftoverAgeMs = 60 * 1000;
// Far beyond any store the programs write; a file larger than this is not theirs, and reading
// it whole (a link to an endless device, say) would only eat memory.
constexpr qint64 kMaxStoreBytes = 16 * 1024 * 1024;

qint64 ageMs(const QString& path)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() ? modified.msecsTo(QDateTime::currentDateTime()) : 0;
}

bool isThisHost(const QString& host)
{
    return host.isEmpty() || host == QSysInfo::machineHostName();
}

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

constexpr qsizetype kSuffixLength = 6;
// The new file of a write is ".<fileName>.saving-XXXXXX": a name of the store's own, so that
// the clean-up below never takes a user's "ZelClock.conf.backup" or ".orig01" for one.
constexpr QStringView kNewFileMark = u".saving-";

QString newFilePrefix(const QFileInfo& store)
{
    return store.absolutePath() + QStringLiteral("/.") + store.fileName() + kNewFileMark.toString();
}

// The name of a new file before its rename, with six ASCII letters or digits; compared
// exactly, case included.
bool isLeftoverOf(QStringView name, QStringView fileName)
{
    const qsizetype prefixLength = 1 + fileName.size() + kNewFileMark.size();
    if (name.size() != prefixLength + kSuffixLength || !name.startsWith(u'.') ||
        name.sliced(1, fileName.size()) != fileName ||
        name.sliced(1 + fileName.size(), kNewFileMark.size()) != kNewFileMark)
        return false;
    const QStringView suffix = name.last(kSuffixLength);
    return std::all_of(suffix.begin(), suffix.end(), isAsciiLetterOrDigit);
}

// Removes what killed writes of this file left behind. The folder is listed unfiltered and the
// names compared by hand: name filters and patterns would bring in the regular expression
// engine and its compiled code for every clock that writes the store.
void removeLeftovers(const QString& path)
{
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    QDirIterator it(info.absolutePath(), QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString file = it.next();
        if (isLeftoverOf(it.fileName(), fileName) && ageMs(file) > kLeftoverAgeMs)
            QFile::remove(file);
    }
}
// A new file beside the one it is to replace, removed again unless it took that one's place.
class NewFile {
public:
    explicit NewFile(const QString& beside)
    {
        constexpr QStringView kChars =
            u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        constexpr int kTries = 100;
        const QString prefix = newFilePrefix(QFileInfo(beside));
        for (int i = 0; i < kTries && !m_created; ++i) {
            QString name = prefix;
            for (qsizetype c = 0; c < kSuffixLength; ++c)
                name += kChars[QRandomGenerator::global()->bounded(int(kChars.size()))];
            m_file.setFileName(name);
            // New only, so that no other writer's file is ever taken over; another name is
            // tried only when this one is taken.
            m_created = m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
            if (!m_created && !QFileInfo::exists(name))
                break;
        }
    }
    ~NewFile()
    {
        if (m_created && !m_placed) {
            // By name: QFile's own remove() gives up when the close fails, as it does on a full
            // disk with data still unwritten.
            m_file.close();
            QFile::remove(m_file.fileName());
        }
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    QFile& file() { return m_file; }
    void placed() { m_placed = true; }

private:
    QFile m_file;
    bool m_created = false;
    bool m_placed = false;
};

} // namespace

IniFileBackend::IniFileBackend(QString filePath, std::chrono::milliseconds lockWait)
    : m_path(std::move(filePath)), m_lockWait(lockWait)
{
}

IniFileBackend::FileStamp IniFileBackend::stampOf(const QString& path)
{
    return HostSystem::fileStamp(path);
}

IniFileBackend::DiskText IniFileBackend::readFromDisk() const
{
    DiskText text;
    // Stamp first: should the file change while it is read, the next refresh reads it again.
    text.stamp = stampOf(m_path);
    if (!text.stamp.exists)
        return text;
    // A FIFO, a device or anything else that is no regular file is never opened for good: it
    // could block every program or never end.
    HostSystem::FileBytes read = HostSystem::readRegularFile(m_path, kMaxStoreBytes);
    if (read.tooLarge) {
        constexpr qint64 kBytesPerMB = 1024 * 1024;
        //: %1 is a number of megabytes
        text.unreadable = tr("it is larger than %1 MB").arg(kMaxStoreBytes / kBytesPerMB);
        return text;
    }
    text.unreadable = std::move(read.unreadable);
    if (text.unreadable.isEmpty())
        text.doc = IniDocument::parse(read.bytes);
    return text;
}

void IniFileBackend::refresh()
{
    if (m_loaded && stampOf(m_path) == m_stamp)
        return;
    DiskText text = readFromDisk();
    m_doc = std::move(text.doc);
    m_stamp = text.stamp;
    // An unreadable file is tried again at the next read: making it readable (chmod) changes
    // nothing that the stamp compares.
    m_loaded = text.unreadable.isEmpty();
}

std::optional<QString> IniFileBackend::read(QStringView section, QStringView key)
{
    refresh();
    return m_doc.value(section, key);
}

WriteResult IniFileBackend::write(QStringView section, QStringView key, const QString& value)
{
    const StoreEntry entry{section, key.toString(), value};
    return writeAll(std::span(&entry, 1));
}

QString IniFileBackend::takeLock(QLockFile& lock, std::chrono::milliseconds wait)
{
    lock.setStaleLockTime(0); // never by age alone: the loop below decides
    const QString lockPath = lock.fileName();
    QElapsedTimer waited;
    waited.start();
    while (true) {
        // Only a lock file is ever read or removed, by QLockFile too: reading a FIFO or a
        // device in its place could block for good or never end, and a folder would be waited
        // on for nothing. Such a thing is no other program's doing; it stays until the user
        // removes it.
        if (const QFileInfo inPlace(lockPath);
            inPlace.isSymLink() || inPlace.isDir() || (inPlace.exists() && !inPlace.isFile())) {
            //: %1 is the lock file
            return (inPlace.isDir() ? tr("a folder is in the place of its lock file %1")
                                    : tr("something other than a file is in the place of its "
                                         "lock file %1"))
                .arg(QDir::toNativeSeparators(lockPath));
        }
        if (lock.tryLock(wait.count() > 0 ? kLockPollMs : 0))
            return {};
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            break;
        case QLockFile::PermissionError:
            return tr("its folder cannot be written to");
        default:
            return tr("no lock file could be created beside it; the disk may be full");
        }
        qint64 pid = 0;
        QString host;
        QString application;
        const bool known = lock.getLockInfo(&pid, &host, &application);
        // A left-over lock is taken over at once, before any wait runs out. Its age counts
        // both ways: a lock dated in the future is no more alive than an old one.
        const bool stale = !known             ? std::abs(ageMs(lockPath)) > kUnreadableStaleMs
                           : isThisHost(host) ? HostSystem::processIsGone(pid)
                                              : std::abs(ageMs(lockPath)) > kOtherHostStaleMs;
        if (stale && lock.removeStaleLockFile())
            continue;
        if (waited.elapsed() >= wait.count()) {
            constexpr qint64 kMsPerSecond = 1000;
            const qint64 seconds = (wait.count() + kMsPerSecond - 1) / kMsPerSecond;
            //: %1 is a program's name, %2 its process number, %3 a number of seconds
            return tr("%1 (process %2) has kept it locked for more than %3 seconds")
                .arg(known && !application.isEmpty() ? application : tr("another program"))
                .arg(pid)
                .arg(seconds);
        }
    }
}

QString IniFileBackend::replaceFile(const QString& path, const QByteArray& bytes)
{
    // A link is followed, so that the file it leads to is replaced and the link kept.
    constexpr int kMaxLinks = 40; // as many as the system itself follows
    QFileInfo target(path);
    for (int links = 0; target.isSymLink() && links < kMaxLinks; ++links)
        target.setFile(target.symLinkTarget());
    if (target.isDir())
        return tr("a folder is in its place");
    if (target.exists() && !target.isWritable())
        return tr("the file is write-protected");

    NewFile out(target.filePath());
    QFile& file = out.file();
    if (!file.isOpen())
        //: %1 is the system's reason
        return tr("no new file could be created beside it (%1)").arg(file.errorString());
    if (target.exists() && !file.setPermissions(target.permissions()))
        return tr("the new file could not be given the old one's permissions (%1)")
            .arg(file.errorString());
    // Each step can be the first to find the disk full; any failure abandons the new file.
    QString failed;
    if (file.write(bytes) != bytes.size() || !file.flush())
        failed = file.errorString();
    else
        failed = HostSystem::syncToDisk(file);
    if (failed.isEmpty()) {
        file.close();
        if (file.error() != QFileDevice::NoError)
            failed = file.errorString();
    }
    if (!failed.isEmpty())
        //: %1 is the system's reason, such as a full disk
        return tr("the new settings could not be written (%1)").arg(failed);

    std::error_code error;
    std::filesystem::rename(file.filesystemFileName(), target.filesystemFilePath(), error);
    if (error)
        return tr("the new file could not take the old one's place (%1)")
            .arg(QString::fromStdString(error.message()));
    out.placed();
    // The rename lives in the folder: synced too, or a power loss could bring the old file back.
    HostSystem::syncFolder(target.absolutePath());
    return {};
}

WriteResult IniFileBackend::writeAll(std::span<const StoreEntry> entries)
{
    return writeAll(entries, m_lockWait);
}

WriteResult IniFileBackend::tryWriteAll(std::span<const StoreEntry> entries)
{
    return writeAll(entries, std::chrono::milliseconds::zero());
}

WriteResult IniFileBackend::writeAll(std::span<const StoreEntry> entries,
                                     std::chrono::milliseconds lockWait)
{
    refresh();
    const bool unchanged = std::all_of(entries.begin(), entries.end(), [this](const StoreEntry& e) {
        return m_doc.value(e.section, e.key) == e.value;
    });
    if (unchanged)
        return {};
    return edit(
        [entries](IniDocument& doc) {
            bool changed = false;
            for (const StoreEntry& e : entries)
                changed = doc.setValue(e.section, e.key, e.value) || changed;
            return changed;
        },
        lockWait);
}

StoreBackend::Exchange IniFileBackend::exchange(QStringView section, QStringView key,
                                                const QString& value)
{
    refresh();
    Exchange taken{m_doc.value(section, key), {}};
    // Already so: a read is all it takes, and no lock.
    if (taken.before == value)
        return taken;
    taken.written = edit(
        [&](IniDocument& doc) {
            taken.before = doc.value(section, key);
            return doc.setValue(section, key, value);
        },
        m_lockWait);
    return taken;
}

WriteResult IniFileBackend::edit(const std::function<bool(IniDocument&)>& change,
                                 std::chrono::milliseconds lockWait)
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        //: %1 is a folder
        return failure(tr("the folder %1 could not be created")
                           .arg(QDir::toNativeSeparators(info.absolutePath())));
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (const QString reason = takeLock(lock, lockWait); !reason.isEmpty())
        return failure(reason);

    // Another program may have written since our last look; start from what is on disk now.
    DiskText text = readFromDisk();
    if (!text.unreadable.isEmpty())
        //: %1 is the system's reason
        return failure(tr("the file is there but cannot be read (%1); it is left as it is")
                           .arg(text.unreadable));
    const bool changed = change(text.doc);
    if (changed) {
        if (const QString reason = replaceFile(m_path, text.doc.serialize()); !reason.isEmpty())
            return failure(reason);
        text.stamp = stampOf(m_path);
    }
    m_doc = std::move(text.doc);
    m_stamp = text.stamp;
    m_loaded = true;
    if (changed)
        removeLeftovers(m_path);
    return {};
}
