#include "IniFileBackend.h"

#include "platform/HostSystem.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSysInfo>
#include <algorithm>

namespace {
// A lock is taken from its holder only when the holder is gone. On this host QLockFile sees
// that for itself (no process with the noted id); a holder on another host cannot be asked,
// so its lock counts as stale only after this long.
constexpr qint64 kOtherHostStaleMs = 5 * 60 * 1000;
// A lock file without a readable holder: one that is being created right now, or left by a
// writer killed before it noted its id. The removal itself never takes a lock that a live
// process holds (QLockFile's removal fails while the holder keeps its file locked).
constexpr qint64 kUnreadableStaleMs = 10 * 1000;
// A live holder is waited for; a writer stuck far longer than any write takes gives up its own
// write rather than take the lock from the holder.
constexpr int kLockWaitMs = 60 * 1000;
constexpr int kLockPollMs = 50;
// Temporary files of a write killed before its rename; a running write's file is far younger.
constexpr qint64 kLeftoverAgeMs = 60 * 1000;

qint64 ageMs(const QString& path)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() ? modified.msecsTo(QDateTime::currentDateTime()) : 0;
}

bool isThisHost(const QString& host)
{
    return host.isEmpty() || host == QSysInfo::machineHostName();
}

bool takeLock(QLockFile& lock)
{
    lock.setStaleLockTime(0); // never by age alone: the loop below decides
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(kLockPollMs)) {
        if (lock.error() != QLockFile::LockFailedError || waited.elapsed() > kLockWaitMs)
            return false;
        qint64 pid = 0;
        QString host;
        QString application;
        const QString lockPath = lock.fileName();
        if (!lock.getLockInfo(&pid, &host, &application)) {
            if (ageMs(lockPath) > kUnreadableStaleMs)
                lock.removeStaleLockFile();
        } else if (isThisHost(host) ? HostSystem::processIsGone(pid)
                                    : ageMs(lockPath) > kOtherHostStaleMs) {
            lock.removeStaleLockFile();
        }
    }
    return true;
}

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// "<fileName>.XXXXXX" with six ASCII letters or digits, the temporary name QSaveFile gives
// before its rename; compared exactly, case included.
bool isLeftoverOf(QStringView name, QStringView fileName)
{
    constexpr qsizetype kSuffixLength = 6;
    if (name.size() != fileName.size() + 1 + kSuffixLength || !name.startsWith(fileName) ||
        name[fileName.size()] != u'.')
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
} // namespace

IniFileBackend::IniFileBackend(QString filePath) : m_path(std::move(filePath)) {}

IniFileBackend::FileStamp IniFileBackend::stampOf(const QString& path)
{
    return HostSystem::fileStamp(path);
}

IniDocument IniFileBackend::readFromDisk(FileStamp& stamp) const
{
    // Stamp first: should the file change while it is read, the next refresh reads it again.
    stamp = stampOf(m_path);
    QFile file(m_path);
    if (!stamp.exists || !file.open(QIODevice::ReadOnly))
        return {};
    return IniDocument::parse(file.readAll());
}

void IniFileBackend::refresh()
{
    if (m_loaded && stampOf(m_path) == m_stamp)
        return;
    m_doc = readFromDisk(m_stamp);
    m_loaded = true;
}

std::optional<QString> IniFileBackend::read(QStringView section, QStringView key)
{
    refresh();
    return m_doc.value(section, key);
}

bool IniFileBackend::write(QStringView section, QStringView key, const QString& value)
{
    const StoreEntry entry{section, key.toString(), value};
    return writeAll(std::span(&entry, 1));
}

bool IniFileBackend::writeAll(std::span<const StoreEntry> entries)
{
    refresh();
    const bool unchanged = std::all_of(entries.begin(), entries.end(), [this](const StoreEntry& e) {
        return m_doc.value(e.section, e.key) == e.value;
    });
    if (unchanged)
        return true;

    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!takeLock(lock))
        return false;

    // Another program may have written since our last look; start from what is on disk now.
    FileStamp stamp;
    IniDocument doc = readFromDisk(stamp);
    bool changed = false;
    for (const StoreEntry& e : entries)
        changed = doc.setValue(e.section, e.key, e.value) || changed;
    if (!changed) {
        m_doc = std::move(doc);
        m_stamp = stamp;
        return true;
    }
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = doc.serialize();
    if (out.write(bytes) != bytes.size() || !out.commit())
        return false;
    m_doc = std::move(doc);
    m_stamp = stampOf(m_path);
    removeLeftovers(m_path);
    return true;
}
