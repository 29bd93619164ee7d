#include "IniFileBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
// A write holds the lock for a millisecond or two. A writer killed before it could note its pid
// in the lock file leaves a lock that only its age shows to be stale, so wait longer than that.
constexpr int kStaleLockMs = 1000;
constexpr int kLockWaitMs = 3000;
} // namespace

IniFileBackend::IniFileBackend(QString filePath) : m_path(std::move(filePath)) {}

IniFileBackend::FileStamp IniFileBackend::stampOf(const QString& path)
{
    FileStamp s;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return s;
    s.exists = true;
    s.size = info.size();
    s.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
    s.inode = quint64(info.metadataChangeTime().toMSecsSinceEpoch());
#endif
    return s;
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
    refresh();
    if (m_doc.value(section, key) == value)
        return true;

    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return false;

    // Another program may have written since our last look; start from what is on disk now.
    FileStamp stamp;
    IniDocument doc = readFromDisk(stamp);
    if (!doc.setValue(section, key, value)) {
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
    return true;
}
